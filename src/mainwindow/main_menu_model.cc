#include "mainwindow/main_menu_model.h"

#include "boardio/chip_set_types.h"
#include "engine/evaluation.h"
#include "engine/tick_host.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"

#include <cstdio>

namespace tavrel {

namespace {

constexpr const char* kHouseLetters = "ABCDEFGHIJKLMNOPabcdefghijklmnop";

std::string Hex(int32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%X", static_cast<unsigned>(value));
    return text;
}

std::string BoardAddressText(const BoardRecord& board, int n) {
    const std::string name = "Board " + std::to_string(n) + ": ";
    if (ChipSetKind(board.ChipSetType) == BoardKind::FireCracker) {
        std::string text = name + "FireCracker on COM" + std::to_string(board.BaseAddress);
        if (board.CntlAddress >= 1 && board.CntlAddress <= 32)
            text += ", house " + std::string(1, kHouseLetters[board.CntlAddress - 1]);
        return text;
    }
    std::string text = name + "Base " + Hex(board.BaseAddress) + "h";
    if (board.InputAddress != 0)
        text += ", Input " + Hex(board.InputAddress) + "h";
    return text;
}

} // namespace

MenuItemState LoggingItem(const Settings& settings) {
    const bool on = IsSet(settings.LoggingOnOff);
    return {on ? "Logging (On)" : "Logging (Off)", true, on};
}

MenuItemState EmulationItem(const BoardTable& boards, int board) {
    if (board != 0)
        return {"Emulation Mode Board " + std::to_string(board + 1) + " (Run With No Board) ", false, false};
    const std::string status = BoardEmulated(boards[0]) ? " Status:Emulation (change to Active?)"
                                                        : " Status:Active   (change to Emulation?)";
    return {"Board " + std::to_string(board) + status, true, false};
}

MenuItemState StateItem(const DisplayState& display, int board) {
    const std::string& caption = display.boards[static_cast<size_t>(board)].relayCaption;
    return {caption.empty() ? "Board " + std::to_string(board + 1) + " State (Not Set)" : caption, true,
            false};
}

MenuItemState InputItem(const DisplayState& display, const BoardTable& boards, int board) {
    const std::string& caption = display.boards[static_cast<size_t>(board)].inputCaption;
    return {caption.empty() ? "Board " + std::to_string(board + 1) + " Inputs (Not Set)" : caption,
            !BoardEmulated(boards[board]), false};
}

std::string BoardAddressesCaption(const BoardTable& boards) {
    std::string caption;
    for (int b = 0; b <= kMaxBoardIndex; ++b) {
        if (boards[b].BaseAddress == 0)
            continue;
        caption += (caption.empty() ? "" : "; ") + BoardAddressText(boards[b], b + 1);
    }
    return caption.empty() ? "Board Addresses (Not Defined)" : caption;
}

MainMenuState MenuStatesAtLoad(ProgramContext& ctx) {
    Settings& s = ctx.settings;
    BoardTable& boards = ctx.schedule.BoardArray;
    if (IsSet(s.LoggingOnOff) && (s.LogFilePath.empty() || s.LogFilePath == " "))
        s.LogFilePath = "c:\\";
    BoardRecord& first = boards[0];
    first.RunNoBoard = BoardEmulated(first) ? 1 : 0;
    for (int b = 1; b < kBoardSlots; ++b)
        boards[b].RunNoBoard = 1;

    MainMenuState state;
    state.logging = LoggingItem(s);
    state.listAddressesEnabled = ctx.portAccess.PortLibraryReady();
    state.forceCheckTimeEnabled = ChipSetKind(first.ChipSetType) != BoardKind::FireCracker;
    for (int b = 0; b < kBoardSlots; ++b) {
        state.emulation[static_cast<size_t>(b)] = EmulationItem(boards, b);
        state.states[static_cast<size_t>(b)] = StateItem(ctx.display, b);
        state.inputs[static_cast<size_t>(b)] = InputItem(ctx.display, boards, b);
    }
    state.boardAddresses = BoardAddressesCaption(boards);
    return state;
}

MenuItemState ToggleLogging(ProgramContext& ctx) {
    Settings& s = ctx.settings;
    s.LoggingOnOff = IsSet(s.LoggingOnOff) ? kFalse : kTrue;
    // Logging needs a folder to write to, as at load.
    if (IsSet(s.LoggingOnOff) && (s.LogFilePath.empty() || s.LogFilePath == " "))
        s.LogFilePath = "c:\\";
    ctx.NewConfiguration().ConfigurationFlagLoggingSave(s.LoggingOnOff);
    return LoggingItem(s);
}

void ToggleEmulation(ProgramContext& ctx, TickHost& host) {
    BoardRecord& board = ctx.schedule.BoardArray[0];
    if (board.RunNoBoard == 1) {
        board.RunNoBoard = 0;
    } else {
        host.SetBusyPointer(true);
        ctx.boards.AllRelaysOff(0);
        RestartCycles(ctx.schedule, 0);
        host.SetBusyPointer(false);
        board.RunNoBoard = 1;
    }
    ctx.NewConfiguration().ConfigurationRunNoBoardSave(board.RunNoBoard, 0);
    // The next write sets the board up afresh for its real ports (or leaves them alone).
    ctx.boards.InvalidateBoard(0);
}

bool RemoveConfiguration(ProgramContext& ctx) {
    MessageBoxRequest box;
    box.icon = MsgIcon::Warning;
    box.title = "Confirm Removal";
    box.lines = {"You are about to completely remove all", "Configuration information for Tavrel", "",
                 "Do you really want to continue?"};
    box.buttons = MsgButtons::OkCancel;
    box.defaultButton = MsgResult::Cancel;
    if (ctx.boxes.Show(box) != MsgResult::Ok)
        return false;
    auto store = ctx.NewConfiguration();
    store.ConfigurationDeleteFromReg();
    store.ConfigurationDeleteLastPos();
    return true;
}

void ShowEditNotCoded(MessageBoxes& boxes) {
    boxes.Tell(MsgIcon::Information, "Function not available", {"Edit has not been coded yet!"});
}

} // namespace tavrel
