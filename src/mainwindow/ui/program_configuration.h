#pragma once
// The configuration windows on the running program's settings and boards: the first-run flow and the
// File menu's "Configuration" both come here.

class QWidget;

namespace tavrel {

struct ProgramContext;
class MqttService;

// Runs the configuration window(s) for the screen; true when the user saved. Every board is
// initialised afresh at its next use.
// The MQTT section, reached from there, restarts `mqtt`'s link when it saves.
bool OpenProgramConfiguration(ProgramContext& ctx, MqttService* mqtt, QWidget* parent = nullptr);

// A first run, or a configuration of another version: the settings start at a fresh installation's
// values, then the windows open.
bool ConfigureFromScratch(ProgramContext& ctx, QWidget* parent = nullptr);

// The MQTT section: the stored MQTT settings to edit and try; Save stores them and restarts `mqtt`'s link
// (when there is a service: the window's tests have none).
void OpenMqttConfiguration(ProgramContext& ctx, MqttService* mqtt, QWidget* parent = nullptr);

} // namespace tavrel
