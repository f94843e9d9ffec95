#include "resources/main_window_strings.h"

#include <array>
#include <utility>

namespace tavrel {

namespace {

constexpr std::array<std::pair<int, std::string_view>, 14> kTexts{{
    {kTipManual, "Manually turn relay ON (will not override \"STOP\")"},
    {kTipInvert, "Change state of relay (ON changes to OFF)"},
    {kTipName, "Relay Name, type a name for this relay"},
    {kTipStartTime, "Time to turn relay ON (HH:MM:SS or HH:MM am/pm)"},
    {kTipEndTime, "Time to turn relay OFF (HH:MM:SS or HH:MM am/pm)"},
    {kTipDaysOfWeek, "Selected Days of week: 1=Sun,2=Mon,3=Tue,4=Wed,5=Thur,6=Fri,7=Sat "},
    {kTipLight, "Relay state, ON or OFF"},
    {kTipIcon, "Click to choose a picture for this relay"},
    {kTipCycleCode, "(E)ven,(O)dd,(D)ay,(H)our,(M)inute,(S)econd, TH, MH, BH, ## Cyclic Minutes"},
    {kTipTotalTime, "Total Time ON or Method ON"},
    {kTipStop, "\"STOP\" and RESET this relay, (overrides ALL other settings)"},
    {kTipCounter, "Total Count, Input signal changes to ON"},
    {kStopRedResource, kStopRedText},
    {kCaptionRestarted, "AUTOMATIC RESTART following Power Failure or System Crash"},
}};

} // namespace

std::string_view MainWindowString(int id) {
    for (const auto& [key, text] : kTexts)
        if (key == id)
            return text;
    return {};
}

} // namespace tavrel
