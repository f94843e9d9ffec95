#include "boardio/board_io.h"

#include "boardio/chip_set_types.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrel {
namespace {

class BoardIoTest : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::TestPlatform& platform = t.platform;
    BoardRecord& board = ctx.schedule.BoardArray[0];

    void PortBoard(const char* type, int32_t base, int32_t input = 0) {
        board.ChipSetType = type;
        board.BaseAddress = base;
        board.InputAddress = input;
    }
};

TEST_F(BoardIoTest, RelayBitMaskAndItsError) {
    for (int r = 0; r < 8; ++r)
        EXPECT_EQ(ctx.boards.RelayBitMask(r), 1 << r);
    EXPECT_EQ(ctx.boards.RelayBitMask(8), 0);
    ASSERT_EQ(platform.boxes.Count(), 1u);
    EXPECT_EQ(platform.boxes.Last().Text(), "GetANDOR Error, Relay#:8");
    EXPECT_EQ(platform.boxes.Last().buttons, MsgButtons::Ok);
}

TEST_F(BoardIoTest, ReadModifyWriteKeepsTheOtherRelays) {
    PortBoard("CBRelay08", 0x300, 0x301);
    platform.SetPortByte(0x300, 0b1010'0001);
    EXPECT_EQ(ctx.boards.RelayOn(0, 3), 0b1010'1001);
    EXPECT_EQ(platform.PortByte(0x300), 0b1010'1001);
    EXPECT_EQ(ctx.boards.RelayOff(0, 7), 0b0010'1001);
    EXPECT_EQ(platform.PortByte(0x300), 0b0010'1001);
    EXPECT_EQ(ctx.boardState.OutputShadow[0], 0b0010'1001);
    EXPECT_EQ(board.BoardReady, kTrue);

    platform.SetPortByte(0x301, 0x5A);
    EXPECT_EQ(ctx.boards.ReadInputs(0), 0x5A);
    platform.SetPortByte(0x300, 0x11);
    EXPECT_EQ(ctx.boards.ReadOutputs(0), 0x11) << "the outputs are read from the port";
    EXPECT_EQ(ctx.boardState.OutputShadow[0], 0x11);
}

// Only the ports a driven board uses are asked for, once, and given back when it stops using them.
TEST_F(BoardIoTest, ABoardAsksForItsOwnPortsOnly) {
    struct Case {
        const char* type;
        int32_t base, input, cntl, config;
        int16_t emulated;
        std::vector<std::string> calls;
    };
    const std::vector<Case> cases{
        {"CBRelay08", 0x300, 0x301, 0, 0, 1, {}},
        {"FireCracker", 2, 0, 1, 0, 0, {}},
        {"CBRelay08", 0x300, 0x301, 0x303, 0, 0, {"open 300-301"}},
        {"8255PortA", 0x300, 0x301, 0x303, 0x80, 0, {"open 300-301", "open 303-303"}},
        {"LPT1", 0x378, 0, 0, 0, 0, {"open 378-378"}},
    };
    for (const Case& c : cases) {
        test::TestContext fresh;
        BoardRecord& b = fresh.ctx.schedule.BoardArray[0];
        b = BoardRecord{};
        b.ChipSetType = c.type;
        b.BaseAddress = c.base;
        b.InputAddress = c.input;
        b.CntlAddress = c.cntl;
        b.PortConfigValue = c.config;
        b.RunNoBoard = c.emulated;
        fresh.ctx.boards.InitialiseAllBoards();
        fresh.ctx.boards.RelayOn(0, 2);
        fresh.ctx.boards.ReadAllOutputs();
        fresh.ctx.boards.ReadAllInputs();
        EXPECT_EQ(fresh.platform.PortRangeCalls(), c.calls) << c.type;
    }
}

TEST_F(BoardIoTest, ABoardLeftBehindGivesItsPortsBack) {
    PortBoard("CBRelay08", 0x300, 0x301);
    ctx.boards.RelayOn(0, 0);
    board.RunNoBoard = 1; // the emulation menu
    ctx.boards.ReadAllOutputs();
    board.RunNoBoard = 0;
    board.BaseAddress = 0x301; // a reload with another address that shares port 301
    board.InputAddress = 0x302;
    ctx.boards.InvalidateBoard(0);
    ctx.boards.RelayOn(0, 0);
    EXPECT_EQ(platform.PortRangeCalls(),
              (std::vector<std::string>{"open 300-301", "close 300-301", "open 301-302"}));
    platform.PortRangeCalls().clear();
    board.BaseAddress = 0x302;
    board.InputAddress = 0x303;
    ctx.boards.ReadAllInputs();
    EXPECT_EQ(platform.PortRangeCalls(), (std::vector<std::string>{"open 302-303", "close 301-302"}))
        << "the new ports are held before the old ones are given back";
}

TEST_F(BoardIoTest, CardWithoutControlRegisterIsNotWrittenAtInitialisation) {
    PortBoard("CBRelay16A", 0x300);
    platform.SetPortByte(0x300, 0x42);
    ctx.boards.InitialiseBoard(0);
    EXPECT_EQ(platform.PortByte(0x300), 0x42);
    EXPECT_EQ(ctx.boards.ReadInputs(0), 0x42) << "no input address: inputs come from the base port";
}

TEST_F(BoardIoTest, First8255WriteConfiguresThenClearsThenSwitches) {
    PortBoard("8255PortA", 0x300, 0x301);
    board.CntlAddress = 0x303;
    board.PortConfigValue = 0x80;
    platform.SetPortByte(0x300, 0xFF);
    platform.SetPortByte(0x301, 0xFF);
    EXPECT_EQ(ctx.boards.RelayOn(0, 2), 0x04);
    EXPECT_EQ(platform.PortByte(0x303), 0x80);
    EXPECT_EQ(platform.PortByte(0x300), 0x04) << "port A cleared, then relay 3 set";
    EXPECT_EQ(platform.PortByte(0x301), 0x00);

    // After InvalidateBoard the next write initialises again with the new settings.
    board.PortConfigValue = 0x90;
    ctx.boards.InvalidateBoard(0);
    EXPECT_EQ(board.BoardReady, kFalse);
    ctx.boards.RelayOn(0, 0);
    EXPECT_EQ(platform.PortByte(0x303), 0x90);
    EXPECT_EQ(platform.PortByte(0x300), 0x01);
}

TEST_F(BoardIoTest, WriteOnlyBoardNeverReadsItsPort) {
    PortBoard("CBRelay08", 0x378);
    board.WriteToBaseOnly = 1;
    ctx.boards.InitialiseBoard(0);
    platform.SetPortByte(0x378, 0xF0); // what a read would see
    EXPECT_EQ(ctx.boards.RelayOn(0, 3), 0x08);
    EXPECT_EQ(platform.PortByte(0x378), 0x08);
    EXPECT_EQ(ctx.boards.RelayOn(0, 5), 0x28);
    EXPECT_EQ(platform.PortByte(0x378), 0x28);
    platform.SetPortByte(0x378, 0xF0);
    EXPECT_EQ(ctx.boards.ReadOutputs(0), 0x28);
    EXPECT_EQ(ctx.boards.ReadInputs(0), 0x28);
}

TEST_F(BoardIoTest, EmulatedAndBaseZeroBoardsNeverTouchAPort) {
    for (int variant = 0; variant < 2; ++variant) {
        test::TestContext fresh;
        BoardRecord& b = fresh.ctx.schedule.BoardArray[0];
        b.ChipSetType = "8255PortA";
        b.BaseAddress = variant == 0 ? 0x300 : 0;
        b.RunNoBoard = variant == 0 ? 1 : 0;
        b.InputAddress = 0x301;
        b.CntlAddress = 0x303;
        b.PortConfigValue = 0x80;
        fresh.platform.SetPortByte(0x301, 0x77);
        fresh.ctx.boards.InitialiseBoard(0);
        EXPECT_EQ(fresh.ctx.boards.RelayOn(0, 1), 0);
        EXPECT_EQ(fresh.ctx.boards.RelayOn(0, 6), 0);
        EXPECT_EQ(fresh.ctx.boardState.OutputShadow[0], 0x42);
        EXPECT_EQ(fresh.ctx.boards.ReadOutputs(0), 0x42);
        EXPECT_EQ(fresh.ctx.boards.ReadInputs(0), 0x42) << "an emulated board's inputs follow its outputs";
        EXPECT_EQ(fresh.ctx.boards.RelayOff(0, 1), 0);
        EXPECT_EQ(fresh.ctx.boardState.OutputShadow[0], 0x40);
        for (int32_t port : {0x300, 0x303, 0x000})
            EXPECT_EQ(fresh.platform.PortByte(port), 0) << variant;
        EXPECT_EQ(fresh.platform.PortByte(0x301), 0x77);
    }
}

TEST_F(BoardIoTest, FireCrackerLowerHouseDrivesUnits9To16) {
    board.ChipSetType = "FireCracker";
    board.BaseAddress = 2;
    board.CntlAddress = 17; // "FireHousea"
    ctx.boards.RelayOn(0, 0);
    const auto& calls = platform.serial.CallNames();
    std::string bits;
    for (size_t i = 11; i + 3 < calls.size() && calls[i].rfind("escape", 0) == 0; i += 4)
        bits += calls[i] == "escape 3" ? '1' : '0';
    EXPECT_EQ(calls.front(), "open COM2");
    EXPECT_EQ(bits, BuildX10Frame(1, 9, kX10On));
    EXPECT_EQ(ctx.boardState.OutputShadow[0], 0x01);

    platform.serial.ClearCalls();
    ctx.boards.RelayOff(0, 7);
    bits.clear();
    for (size_t i = 11;
         i + 3 < platform.serial.CallNames().size() && platform.serial.CallNames()[i] != "close"; i += 4)
        bits += platform.serial.CallNames()[i] == "escape 3" ? '1' : '0';
    EXPECT_EQ(bits, BuildX10Frame(1, 16, kX10Off));
    EXPECT_EQ(ctx.boards.ReadInputs(0), 0x01) << "a FireCracker board has no inputs: its outputs are shown";
}

TEST_F(BoardIoTest, EachTypeAsksForItsSettlePause) {
    const std::pair<const char*, double> kTypes[] = {
        {"CBRelay08", 0},   {"PCL-725", 200},   {"ACL-7125", 300},  {"SlowCard1", 100}, {"SlowCard2", 200},
        {"SlowCard3", 300}, {"SlowCard4", 400}, {"SlowCard5", 500}, {"LPT1", 0},        {"Unknown", 0}};
    for (const auto& [type, ms] : kTypes) {
        platform.clock.ClearPauses();
        PortBoard(type, 0x300);
        ctx.boards.SettlePause(0);
        EXPECT_EQ(platform.clock.Pauses(), ms > 0 ? std::vector<double>{ms} : std::vector<double>{}) << type;
    }
    EXPECT_EQ(SettlePauseMs("FireCracker"), 400);
    EXPECT_EQ(ChipSetKind("FireCracker"), BoardKind::FireCracker);
    EXPECT_EQ(ChipSetKind("firecracker"), BoardKind::PortIo);

    PortBoard("PCL-725", 0x300);
    board.BoardReady = kTrue;
    platform.clock.ClearPauses();
    ctx.boards.RelayOn(0, 0);
    EXPECT_EQ(platform.clock.Pauses(), std::vector<double>{200});
    ctx.boardState.StepDelayCount = kStepDelaySelected;
    ctx.boards.RelayOn(0, 1);
    EXPECT_EQ(platform.clock.BusyPauses(), std::vector<int64_t>{kStepDelayMs});
}

TEST_F(BoardIoTest, AllRelaysResetOnExitAndReadback) {
    PortBoard("CBRelay08", 0x300);
    ctx.boards.AllRelaysOn(0);
    EXPECT_EQ(platform.PortByte(0x300), 0xFF);
    ctx.boards.ReadAllOutputs();
    EXPECT_EQ(ctx.schedule.OutputReadback[0], 0xFF);

    // Only the check-box value 1 asks for it: 0 and a stray -1 leave the relays as they are.
    for (int16_t notTicked : {0, -1}) {
        board.ResetOnExit = notTicked;
        ctx.boards.ResetBoardsOnExit();
        EXPECT_EQ(platform.PortByte(0x300), 0xFF) << notTicked;
    }
    board.ResetOnExit = 1;
    ctx.boards.ResetBoardsOnExit();
    EXPECT_EQ(platform.PortByte(0x300), 0x00);

    board.ChipSetType = "FireCracker";
    board.BaseAddress = 2;
    board.CntlAddress = 1;
    ctx.boards.ResetBoardsOnExit();
    EXPECT_TRUE(platform.serial.Calls().empty()) << "reset on exit skips FireCracker boards";
}

TEST_F(BoardIoTest, BadRelayNumberSwitchesNothing) {
    PortBoard("CBRelay08", 0x300);
    platform.SetPortByte(0x300, 0x0F);
    EXPECT_EQ(ctx.boards.RelayOff(0, 8), 0);
    EXPECT_EQ(platform.PortByte(0x300), 0x0F);
    EXPECT_EQ(platform.boxes.Count(), 1u);
}

} // namespace
} // namespace tavrel
