#pragma once
// The configuration windows on the running program's settings and boards: the first-run flow and the
// File menu's "Configuration" both come here.

class QWidget;

namespace tavrel {

struct ProgramContext;
class HolidayService;
class MqttService;

// What a save of the settings reaches in the running program, whichever window saved: the MQTT link
// restarted when its settings changed, and the holiday calendars read again. Null where there is none
// (before the program runs, and in the window tests).
struct RunningServices {
    MqttService* mqtt = nullptr;
    HolidayService* holidays = nullptr;
};
void SettingsSaved(const RunningServices& running);

// Runs the configuration window(s) for the screen; true when the user saved. Every board is
// initialised afresh at its next use.
bool OpenProgramConfiguration(ProgramContext& ctx, const RunningServices& running, QWidget* parent = nullptr);

// A first run, or a configuration of another version: the settings start at a fresh installation's
// values, then the windows open.
bool ConfigureFromScratch(ProgramContext& ctx, QWidget* parent = nullptr);

// The MQTT section: the stored MQTT settings to edit and try; Save stores them.
void OpenMqttConfiguration(ProgramContext& ctx, const RunningServices& running, QWidget* parent = nullptr);

} // namespace tavrel
