#include "mainwindow/status_bar_text.h"

#include "mainwindow/main_menu_model.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

StatusBarInput Input() {
    StatusBarInput in;
    in.now.date = {2026, 12, 7};
    in.now.secondsOfDay = 9 * 3600 + 5 * 60 + 3;
    in.board1.ChipSetType = "CBRelay08";
    in.board1.BaseAddress = 0x300;
    return in;
}

TEST(StatusBarTextTest, FieldsInOrder) {
    StatusBarInput in = Input();
    in.timerEnabled = true;
    in.dataFilePath = "c:\\runs\\";
    in.dataFileName = "demo.run";
    in.focusedText = "08:00:00";
    const auto texts = StatusBarTexts(in);
    EXPECT_EQ(texts[kStatusTime], "09:05:03");
    EXPECT_EQ(texts[kStatusDate], "12/7/2026");
    EXPECT_EQ(texts[kStatusTimer], "Timer Running");
    EXPECT_EQ(texts[kStatusFile], "c:\\runs\\demo.run");
    EXPECT_EQ(texts[kStatusBoard], "Board 1: CBRelay08 at 300 hex, Active");
    EXPECT_EQ(texts[kStatusFocus], "08:00:00");

    in.timerEnabled = false;
    in.board1.RunNoBoard = 1;
    in.board1.ChipSetType = " ";
    EXPECT_EQ(StatusBarTexts(in)[kStatusTimer], "Timer Stopped");
    EXPECT_EQ(StatusBarTexts(in)[kStatusBoard], "Board 1: (no type) at 300 hex, Emulation");
}

TEST(StatusBarTextTest, BoardFieldAgreesWithTheMenuAndNamesACommPort) {
    struct Row {
        const char* type;
        int32_t base;
        int16_t runNoBoard;
        const char* shown;
    };
    const Row kRows[] = {
        {"CBRelay08", 0x300, 0, "Board 1: CBRelay08 at 300 hex, Active"},
        {"CBRelay08", 0x300, -1, "Board 1: CBRelay08 at 300 hex, Emulation"},
        {"CBRelay08", 0, 0, "Board 1: CBRelay08 at 0 hex, Emulation"}, // no address: nothing is driven
        {"FireCracker", 3, 0, "Board 1: FireCracker at COM3, Active"},
        {"FireCracker", 3, -1, "Board 1: FireCracker at COM3, Emulation"},
    };
    for (const Row& row : kRows) {
        SCOPED_TRACE(row.shown);
        StatusBarInput in = Input();
        in.board1.ChipSetType = row.type;
        in.board1.BaseAddress = row.base;
        in.board1.RunNoBoard = row.runNoBoard;
        EXPECT_EQ(StatusBarTexts(in)[kStatusBoard], row.shown);
        BoardTable boards("BoardArray");
        boards[0] = in.board1;
        const bool menuSaysEmulated =
            EmulationItem(boards, 0).caption.find("Status:Emulation") != std::string::npos;
        EXPECT_EQ(menuSaysEmulated, std::string(row.shown).ends_with("Emulation"));
    }
}

TEST(StatusBarTextTest, CaptionIsTheFileNewOrTheRestartText) {
    StatusBarInput in = Input();
    EXPECT_EQ(MainWindowCaption(in), "New");
    in.dataFilePath = "/home/u/";
    in.dataFileName = "a.run";
    EXPECT_EQ(MainWindowCaption(in), "/home/u/a.run");
    in.restartedAfterCrash = kTrue;
    EXPECT_EQ(MainWindowCaption(in), "AUTOMATIC RESTART following Power Failure or System Crash");
    EXPECT_EQ(StatusBarTexts(in)[kStatusFile], MainWindowCaption(in));
    in.restartWriteDisabled = kTrue;
    EXPECT_EQ(StatusBarTexts(in)[kStatusFile],
              std::string(kRestartCaption) + " - restart file not written (tried again each minute)");
    EXPECT_EQ(MainWindowCaption(in), kRestartCaption) << "the caption stays the file's";
    in.logProblem =
        "event log not written (/x/Tavrel_2026_12_07.Log: Permission denied), tried again each minute";
    EXPECT_TRUE(StatusBarTexts(in)[kStatusFile].ends_with(" - " + in.logProblem));
}

} // namespace
} // namespace tavrel
