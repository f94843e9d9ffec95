#pragma once
// The configuration windows on the running program's settings and boards: the first-run flow and the
// File menu's "Configuration" both come here.

class QWidget;

namespace tavrel {

struct ProgramContext;

// Runs the configuration window(s) for the screen; true when the user saved. Every board is
// initialised afresh at its next use.
bool OpenProgramConfiguration(ProgramContext& ctx, QWidget* parent = nullptr);

// A first run, or a configuration of another version: the settings start at a fresh installation's
// values, then the windows open.
bool ConfigureFromScratch(ProgramContext& ctx, QWidget* parent = nullptr);

} // namespace tavrel
