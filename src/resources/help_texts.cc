#include "resources/help_texts.h"

namespace tavrel {

const HelpText kHelpGeneral{"Tavrel Help (General)",
                            R"(<h2>Tavrel</h2>
<p>Tavrel switches the eight relays of an interface board by a daily and weekly schedule. The schedule
starts with the first change you make, when you open a schedule, or at once after a restart that follows
a power failure or crash.</p>

<h3>The relay panels</h3>
<p>Each of the eight panels is one relay of board 1:</p>
<ul>
<li><b>Name</b>: any text; the icon beside it can be changed by clicking it.</li>
<li><b>The light</b>: the relay's state as read back from the board (green = ON).</li>
<li><b>Six ON/OFF pairs</b>: the relay is ON between the ON time and the OFF time of any pair. A pair that
is ON right now is coloured.</li>
<li><b>Days</b> and <b>Code</b>: which days and under which cycle the pairs apply (below).</li>
<li><b>Manual</b>: forces the relay ON. <b>Invert</b>: reverses what the schedule wants. The <b>stop</b>
image switches the relay OFF and keeps it OFF, whatever else is set; click it again to release it.</li>
<li><b>Counter</b>: counts the input line of the same number going high. Left click: counting on or off;
right click: counting on from 0.</li>
<li><b>Total time</b>: how long the pairs keep the relay ON in a day, or the Manual, Invert or STOP mark.</li>
</ul>
<p>The status bar shows the time, the date, whether the timer runs, the schedule's file, board 1 and the
text of the box you are in.</p>

<h3>Times</h3>
<p>Type a time as <tt>H:MM</tt>, <tt>HH:MM</tt>, <tt>H:MM:SS</tt> or <tt>HH:MM:SS</tt>, in 24-hour form or
followed by <tt>am</tt> or <tt>pm</tt>: <tt>8:30</tt>, <tt>17:45</tt>, <tt>8:30:15</tt>, <tt>5:45 pm</tt>.
A full stop is taken as a colon (<tt>8.30</tt>). Only the first 8 characters are kept, so write seconds
in 24-hour form (<tt>23:30:15</tt>, not <tt>11:30:15 pm</tt>). Empty the ON time to remove a pair.</p>
<p>The relay is ON strictly between the two times: the pair 08:00:00 to 17:00:00 is ON from 08:00:01 to
16:59:59. The ON time must be earlier than the OFF time; for a night from 22:00 to 06:00 use two pairs,
22:00:00 to 23:59:59 and 00:00:00 to 06:00:00.</p>

<h3>Days</h3>
<p>The digits of the days the relay runs on: 1 = Sunday, 2 = Monday, 3 = Tuesday, 4 = Wednesday,
5 = Thursday, 6 = Friday, 7 = Saturday. <tt>23456</tt> is Monday to Friday, <tt>17</tt> the weekend.
<tt>All Days</tt>, <tt>All</tt> or an empty box mean every day.</p>

<h3>Cycle codes</h3>
<table border="1" cellpadding="3" cellspacing="0">
<tr><th>Code</th><th>Meaning</th><th>Example (pair 08:00:00 to 17:00:00 unless shown)</th></tr>
<tr><td>EO or empty</td><td>no restriction</td><td>ON all through the pair</td></tr>
<tr><td>ED / OD</td><td>even / odd day of the month</td><td>ED: ON on the 2nd, 4th, ... of the month</td></tr>
<tr><td>EH / OH</td><td>even / odd hour</td><td>EH: ON 08:00-08:59, 10:00-10:59, ...</td></tr>
<tr><td>EM / OM</td><td>even / odd minute</td><td>OM: ON in minutes 1, 3, 5, ... of each hour</td></tr>
<tr><td>ES / OS</td><td>even / odd second</td><td>ES: a relay that pulses once every two seconds</td></tr>
<tr><td>SS</td><td>first pair not on Saturday or Sunday</td><td>a working-day pair</td></tr>
<tr><td>XS</td><td>first pair not on Sunday</td><td>Monday to Saturday</td></tr>
<tr><td>SX</td><td>first pair not on Saturday</td><td>Sunday to Friday</td></tr>
<tr><td>TH</td><td>top of each hour, for the minutes:seconds of the ON time</td>
<td>08:05:00 to 17:00:00: ON from :00 to :05 in each hour 8 to 16</td></tr>
<tr><td>MH</td><td>middle of each hour, from the ON time's to the OFF time's minutes</td>
<td>08:15:00 to 17:45:00: ON from :15 to :45 in each hour 8 to 16</td></tr>
<tr><td>BH</td><td>bottom of each hour, from the ON time's minutes to the hour's end</td>
<td>08:50:00 to 17:00:00: ON from :50 to :00 in each hour</td></tr>
<tr><td>3H</td><td>pair 1 as TH, pair 2 as MH, pair 3 as BH; pairs 4 to 6 plain</td>
<td>three bursts an hour</td></tr>
<tr><td>a number</td><td>cyclic: ON and OFF in turn for that many minutes, in the first pair</td>
<td>15: 15 minutes ON, 15 OFF from 08:00 to 17:00; the Invert label shows the next change</td></tr>
</table>
<p>Codes are typed in capitals or small letters and kept as two capitals; <tt>0</tt> clears the code.
Except for the even/odd codes, a code governs only the first pair(s) named above; the other pairs are
plain.</p>

<h3>The menus</h3>
<ul>
<li><b>File</b>: New, Open and Save schedules (<tt>*.run</tt>), print, the configuration, and the recently
used files. <b>Configuration (Remove)</b> deletes every stored setting; the next start asks for a new
configuration.</li>
<li><b>Tool</b>: logging on or off, the log files, every relay ON or OFF at once (w/Pause waits for OK),
the counters to 0, a schedule check now, the listing of the I/O addresses 200-3FF hex, emulation of
board 1 (no port is touched) and starting Tavrel when the computer starts.</li>
<li><b>States/Inputs</b>: switch single relays by hand and see each board's outputs and inputs. The next
schedule check puts the relays back as scheduled.</li>
<li><b>Dev</b>: the timer switch and interval, for testing.</li>
</ul>

<h3>Restart after a power failure</h3>
<p>Tavrel keeps a copy of the running schedule while it runs. When the computer stopped without closing
Tavrel, the next start resumes that schedule, with its counters, and starts switching at once; the
caption then says so. Use Save As to keep it under a name.</p>

<h3>Where the files are (Linux)</h3>
<p>Everything lives in one folder, <tt>TAVREL_HOME</tt> (default <tt>~/.local/share/tavrel</tt>):</p>
<ul>
<li><tt>registry/HKEY_LOCAL_MACHINE.reg</tt>: the settings, as a registry export you can read.</li>
<li><tt>drive_c/</tt> is drive <tt>c:\</tt>: the restart file <tt>TVRestart.run</tt> and, with the log
folder <tt>c:\</tt>, the daily logs <tt>Tavrel_YYYY_MM_DD.Log</tt>.</li>
<li><tt>dosdevices/com1</tt> .. <tt>com8</tt>: links to the serial devices used as COM1 to COM8.</li>
<li>Schedules (<tt>*.run</tt>) are kept wherever you save them.</li>
</ul>)"};

const HelpText kHelpConfiguration{"Tavrel Help (Configuration)",
                                  R"(<h2>Configuring Tavrel</h2>
<p>File &gt; Configuration opens the settings of the boards, the colours and the kill options. Nothing is
stored until you press Save; Cancel puts every setting back as it was.</p>

<h3>Boards</h3>
<ul>
<li><b>Type</b>: the make of the card: CBRelay08/16A/16B, 8255 port A or B, PCL-725, ACL-7125, a printer
port (LPT1-LPT3) or FireCracker.</li>
<li><b>Base</b>: the I/O address of the relay register, in hex (<tt>300</tt>). <b>Input</b>: the address
of the input register, usually base + 1 or base + 2. <b>Control</b> and <b>Config</b>: for cards that must
be set up first (8255): the register and the value (00-FF hex) from the card's manual.</li>
<li><b>Log</b>: this board's states go to the event log. <b>Reset</b>: its relays go OFF when Tavrel ends.
<b>Emulate</b>: no port is touched; the panels show what would be switched. <b>Write Only</b>: the card
cannot be read back, so Tavrel shows what it last wrote.</li>
<li><b>Warn Overlapping Time</b>: a warning when two pairs of one relay overlap.</li>
<li><b>Log folder</b>: where the daily event logs are written (<tt>c:\</tt> by default).</li>
</ul>
<p>Reaching the I/O ports on Linux needs root (or <tt>/dev/port</tt>); without it Tavrel says so and ends.
Until a board is set up, keep it on Emulate.</p>

<h3>FireCracker (X10)</h3>
<p>A FireCracker CM17A transmitter on a serial port sends X10 ON and OFF commands to power-line modules.
Choose the type <b>FireCracker</b> and accept its limits (no inputs, nothing read back, about half a second
per command). Then:</p>
<ul>
<li><b>Base</b> is the serial port: <tt>FireCOMM1</tt> to <tt>FireCOMM8</tt> for COM1 to COM8.</li>
<li><b>Control</b> is the house code: <tt>FireHouseA</tt> to <tt>FireHouseP</tt> drive units 1 to 8 of
houses A to P; <tt>FireHousea</tt> to <tt>FireHousep</tt> drive units 9 to 16. Relay 1 is the first unit.</li>
<li>On Linux, COM<i>n</i> is the link <tt>TAVREL_HOME/dosdevices/com</tt><i>n</i> (for example
<tt>ln -s /dev/ttyUSB0 com1</tt>); without a link it is <tt>/dev/ttyS</tt><i>n-1</i>.</li>
</ul>
<p>Force Time Check is not offered for a FireCracker board.</p>

<h3>Colours</h3>
<p>The colours of the name background, the relay light, active time pairs, Manual and Invert, the inputs
and the total time, each for ON and OFF, and a background for each relay's panel. Reset Colors brings
back the defaults.</p>

<h3>Kill options</h3>
<ul>
<li><b>Button</b>: a small "Reminder" window with a kill button is shown at start.</li>
<li><b>Signal</b>: the kill runs when an input line of a board (Board #, input 1-8) is high
(<b>Goes High</b>) or low (<b>Goes Low</b>). The check starts after the delay: that many schedule checks
(10 when 0), so a line that is already high at start does not kill at once.</li>
<li><b>All Off</b>: every relay OFF and stopped until you press "(UN) Kill / Stop".</li>
<li><b>Exit Program</b>: Tavrel ends (asking to save a changed schedule).</li>
<li><b>Shut Down</b>: Tavrel ends and the computer is switched off.</li>
<li>The button's caption and whether its window stays on top of all others.</li>
</ul>

<h3>Logging</h3>
<p>Tool &gt; Logging switches the event log on or off. Each day has its own file,
<tt>Tavrel_YYYY_MM_DD.Log</tt>, in the log folder: program start and end, opened and saved schedules, and
once a minute a line with each logged board's relays and inputs.</p>

<h3>Removing the configuration</h3>
<p>File &gt; Configuration (Remove) deletes the stored settings and window positions (the recent files are
kept). Tavrel runs on with its settings until it ends; the next start asks for a configuration.</p>)"};

const char* const kAboutLicenceHtml =
    "<p>Built with Qt. Qt is used under the GNU Lesser General Public License version 3 (LGPL v3); "
    "see <a href=\"https://www.qt.io/licensing/\">qt.io/licensing</a>.</p>";

} // namespace tavrel
