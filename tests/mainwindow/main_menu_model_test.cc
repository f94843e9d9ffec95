#include "mainwindow/main_menu_model.h"

#include "config/configuration.h"
#include "engine/tick.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class MainMenuModelTest : public test::BoardFixture {
protected:
    std::string Stored(const std::string& key, const std::string& name) {
        return ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, key, name, false);
    }
};

TEST_F(MainMenuModelTest, LoggingOnWithoutAFolderWritesToDriveC) {
    ctx.settings.LoggingOnOff = kTrue;
    ctx.settings.LogFilePath = " ";
    const MainMenuState on = MenuStatesAtLoad(ctx);
    EXPECT_EQ(ctx.settings.LogFilePath, "c:\\");
    EXPECT_EQ(on.logging.caption, "Logging (On)");
    EXPECT_TRUE(on.logging.checked);

    EXPECT_EQ(ToggleLogging(ctx).caption, "Logging (Off)");
    EXPECT_EQ(Stored(kConfigKey, "LoggingOnOff"), "0");
    EXPECT_FALSE(LoggingItem(ctx.settings).checked);
}

TEST_F(MainMenuModelTest, BoardOneIsActiveOnlyWithAnAddressAndNotEmulatedTheOthersAlwaysEmulated) {
    const struct {
        int16_t runNoBoard;
        int32_t base;
        int16_t expected;
        const char* caption;
    } rows[] = {
        {0, 0x300, 0, "Board 0 Status:Active   (change to Emulation?)"},
        {1, 0x300, 1, "Board 0 Status:Emulation (change to Active?)"},
        {0, 0, 1, "Board 0 Status:Emulation (change to Active?)"},
        // Any other non-zero value emulates, as the board layer and tavreld read it.
        {-1, 0x300, 1, "Board 0 Status:Emulation (change to Active?)"},
    };
    for (const auto& row : rows) {
        BoardTable& boards = ctx.schedule.BoardArray;
        boards[0].RunNoBoard = row.runNoBoard;
        boards[0].BaseAddress = row.base;
        boards[2].RunNoBoard = 0;
        const MainMenuState state = MenuStatesAtLoad(ctx);
        EXPECT_EQ(boards[0].RunNoBoard, row.expected) << row.caption;
        EXPECT_EQ(state.emulation[0].caption, row.caption);
        EXPECT_EQ(state.inputs[0].enabled, row.expected == 0) << row.caption;
        for (int b = 1; b < kBoardSlots; ++b) {
            EXPECT_EQ(boards[b].RunNoBoard, 1);
            EXPECT_FALSE(state.emulation[static_cast<size_t>(b)].enabled);
        }
    }
}

TEST_F(MainMenuModelTest, AFireCrackerBoardOffersNoForcedTimeCheck) {
    EXPECT_TRUE(MenuStatesAtLoad(ctx).forceCheckTimeEnabled);
    ctx.schedule.BoardArray[0].ChipSetType = "FireCracker";
    ctx.schedule.BoardArray[0].BaseAddress = 2;
    ctx.schedule.BoardArray[0].CntlAddress = 17;
    const MainMenuState state = MenuStatesAtLoad(ctx);
    EXPECT_FALSE(state.forceCheckTimeEnabled);
    EXPECT_EQ(state.boardAddresses, "Board 1: FireCracker on COM2, house a");
}

TEST_F(MainMenuModelTest, EmulationSwitchesTheRelaysOffBeforeItAndIsStored) {
    ctx.schedule.TimeArray[0] = {"08:00:00", "17:00:00", kFalse};
    Tick(ctx.engine, host);
    ASSERT_EQ(Outputs(), 1);
    ToggleEmulation(ctx, host);
    EXPECT_EQ(Outputs(), 0);
    EXPECT_EQ(ctx.schedule.BoardArray[0].RunNoBoard, 1);
    EXPECT_EQ(Stored(kConfigKey, "RunNoBoard1"), "1");
    ToggleEmulation(ctx, host);
    EXPECT_EQ(Stored(kConfigKey, "RunNoBoard1"), "0");
}

TEST_F(MainMenuModelTest, StateCaptionsFollowTheTick) {
    EXPECT_EQ(StateItem(ctx.display, 0).caption, "Board 1 State (Not Set)");
    EXPECT_EQ(InputItem(ctx.display, ctx.schedule.BoardArray, 3).caption, "Board 4 Inputs (Not Set)");
    ctx.schedule.TimeArray[0] = {"08:00:00", "17:00:00", kFalse};
    Tick(ctx.engine, host);
    EXPECT_EQ(StateItem(ctx.display, 0).caption, "RelayState 1 : 1 - - - - - - -");
    EXPECT_EQ(InputItem(ctx.display, ctx.schedule.BoardArray, 0).caption, "Inputstate 1 : - - - - - - - -");
}

} // namespace
} // namespace tavrel
