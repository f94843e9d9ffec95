#pragma once
// What the main window's menus show and the commands whose whole behaviour lives with them: the states set
// when the menus are built, logging on and off, a board's emulation, removing the configuration and Edit.

#include "boardio/board_record.h"
#include "config/settings.h"
#include "engine/display_state.h"
#include "platform/message_box.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrel {

struct ProgramContext;
class TickHost;

struct MenuItemState {
    std::string caption;
    bool enabled = true;
    bool checked = false;
};

struct MainMenuState {
    MenuItemState logging;                            // mnuToolLogging
    bool listAddressesEnabled = false;                // mnuToolListAddress_H200_H3FF
    bool forceCheckTimeEnabled = true;                // mnuToolForceCheckTime
    std::array<MenuItemState, kBoardSlots> emulation; // mnuToolRunNoBoard
    std::array<MenuItemState, kBoardSlots> states;    // mnuStateDisplayState
    std::array<MenuItemState, kBoardSlots> inputs;    // mnuStateDisplayInput
    std::string boardAddresses;                       // mnuDisplayAddress
};

// The states the window sets as it builds its menus. On the way an empty log folder with logging on
// becomes "c:\", board 1 is put in emulation when it has no address, and boards 2 to 4 are emulated.
MainMenuState MenuStatesAtLoad(ProgramContext& ctx);

// "Logging (On)" checked, or "Logging (Off)".
MenuItemState LoggingItem(const Settings& settings);
// Board 1: its status and what the command changes it to; boards 2 to 4: their fixed caption, disabled.
MenuItemState EmulationItem(const BoardTable& boards, int board);
// "RelayState 1 : 1 - 3 - - - - 8" once a tick has shown the board, else "Board 1 State (Not Set)".
MenuItemState StateItem(const DisplayState& display, int board);
// "Inputstate 1 : - - - - - - - -" once shown, else "Board 1 Inputs (Not Set)"; disabled while the board
// is emulated, since nothing is read from it.
MenuItemState InputItem(const DisplayState& display, const BoardTable& boards, int board);
// The boards' addresses in one line, or "Board Addresses (Not Defined)".
std::string BoardAddressesCaption(const BoardTable& boards);

// Logging on or off, saved at once; returns the item's new state.
MenuItemState ToggleLogging(ProgramContext& ctx);
// Board 1 between emulation and its real ports; going to emulation switches its relays OFF first.
void ToggleEmulation(ProgramContext& ctx, TickHost& host);
// Asks "Confirm Removal"; on OK removes the configuration and window-position keys. True when removed.
bool RemoveConfiguration(ProgramContext& ctx);
void ShowEditNotCoded(MessageBoxes& boxes);

} // namespace tavrel
