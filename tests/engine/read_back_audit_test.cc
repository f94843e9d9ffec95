#include "engine/tick.h"

#include "support/board_fixture.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavrel {
namespace {

class ReadBackAuditTest : public test::BoardFixture {
protected:
    std::ostringstream notices;

    void SetUp() override {
        BoardFixture::SetUp();
        ctx.notices = &notices;
    }
    void On(int relay, const char* start, const char* end) {
        ctx.schedule.RelayArray[relay].CycleCode = "EO";
        ctx.schedule.TimeArray[relay * 6] = {start, end, kFalse};
    }
    // Ticks one second at a time until `hh:mm:ss` of 7 December.
    void TickUntil(int h, int m, int s) {
        while (platform.clock.Now().secondsOfDay < h * 3600 + m * 60 + s) {
            platform.clock.Advance(1000);
            Tick(ctx.engine, host);
        }
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) {
            platform.clock.Advance(1000);
            Tick(ctx.engine, host);
        }
    }
    std::string Said() {
        std::string text = notices.str();
        notices.str("");
        return text;
    }
};

// A relay whose driver failed is said once, with the bytes, while the tick keeps rewriting it; the relay's
// light says what the board reads, and the end of the fault is said once.
TEST_F(ReadBackAuditTest, AStuckBitIsAFaultOnceAndItsEndIsSaid) {
    On(0, "08:00:00", "17:00:00");
    On(1, "09:00:02", "09:00:20");
    Tick(ctx.engine, host);
    platform.SetStuck({{kBase, 0xfd, 0x00}});
    TickUntil(9, 0, 10);
    EXPECT_EQ(Said(), "tavreld: Read-back fault board 1: relays 2, written 03, read 01\n");
    EXPECT_EQ(ctx.display.relays[1].fault, "fault: board reads OFF");
    EXPECT_EQ(ctx.display.relays[0].fault, "");
    EXPECT_EQ(ctx.display.boards[0].fault, "Read-back fault board 1: relays 2, written 03, read 01");
    EXPECT_EQ(platform.PortByte(kBase), 0x03) << "the relay is still asked for";

    platform.SetStuck({});
    TickUntil(9, 0, 13);
    EXPECT_EQ(Said(), "tavreld: Read-back fault board 1 cleared\n");
    EXPECT_EQ(ctx.display.relays[1].fault, "");
    EXPECT_EQ(ctx.display.boards[0].fault, "");
}

// When the relay is due OFF again, the latch is written OFF although the relay already reads OFF: left
// ON, it would switch the relay on the day its driver comes back.
TEST_F(ReadBackAuditTest, TheLatchFollowsTheScheduleUnderAFault) {
    On(1, "09:00:02", "09:00:08");
    Tick(ctx.engine, host);
    host.switches.clear();
    platform.SetStuck({{kBase, 0xfd, 0x00}});
    TickUntil(9, 0, 12);
    EXPECT_EQ(Said(), "tavreld: Read-back fault board 1: relays 2, written 02, read 00, board not answering\n"
                      "tavreld: Read-back fault board 1 cleared\n");
    EXPECT_EQ(platform.PortByte(kBase), 0x00);
    EXPECT_TRUE(host.switches.empty()) << "the relay never read back otherwise than OFF";
}

// One differing tick is a relay switched at the wrong moment from outside, not a fault.
TEST_F(ReadBackAuditTest, OneDifferingTickIsNotAFault) {
    On(0, "08:00:00", "17:00:00");
    Tick(ctx.engine, host);
    platform.SetPortByte(kBase, 0);
    TickUntil(9, 0, 5);
    EXPECT_EQ(Said(), "");
}

// A printer port in ECP mode reads FF whatever is written: a setting to change, said once, not a fault.
TEST_F(ReadBackAuditTest, ABoardThatNeverMatchedIsNotAvailableNotFaulty) {
    On(2, "08:00:00", "17:00:00");
    platform.SetStuck({{kBase, 0x00, 0xff}});
    Tick(ctx.engine, host);
    TickUntil(9, 0, 6);
    EXPECT_EQ(Said(), "tavreld: Read-back not available on board 1: set WriteToBaseOnly1 to 1\n");
    EXPECT_EQ(ctx.display.boards[0].fault, "");
}

TEST_F(ReadBackAuditTest, ACardThatStopsAnsweringSaysSo) {
    On(0, "08:00:00", "17:00:00");
    Tick(ctx.engine, host);
    platform.SetStuck({{kBase, 0x00, 0xff}});
    TickUntil(9, 0, 4);
    // Each relay is written read-modify-write, so the last byte written carries what the card read.
    EXPECT_EQ(Said(),
              "tavreld: Read-back fault board 1: relays 8, written 7F, read FF, board not answering\n");
}

TEST_F(ReadBackAuditTest, AWriteOnlyBoardIsNotAudited) {
    ctx.schedule.BoardArray[0].WriteToBaseOnly = 1;
    On(0, "08:00:00", "17:00:00");
    platform.SetStuck({{kBase, 0x00, 0x00}});
    TickUntil(9, 0, 5);
    EXPECT_EQ(Said(), "");
}

// A transmitter whose serial device is missing: one box and one fault line, quiet retries at each tick,
// and the relay switched and the end said once the device is back.
TEST_F(ReadBackAuditTest, AMissingTransmitterIsOneFaultAndIsRetriedQuietly) {
    BoardRecord& b = ctx.schedule.BoardArray[0];
    b.ChipSetType = "FireCracker";
    b.BaseAddress = 3;
    b.InputAddress = 0;
    b.CntlAddress = 1;
    On(4, "09:00:02", "17:00:00");
    platform.serial.FailOn("open", 2);
    TickUntil(9, 0, 1);
    Ticks(5);
    EXPECT_EQ(platform.boxes.Shown().size(), 1u);
    EXPECT_EQ(Said(), "tavreld: X10 fault board 1: COM3 cannot be opened (CommOpen (CreateFile) 2 error 2), "
                      "relays not switched\n");
    EXPECT_EQ(ctx.schedule.RelayArray[4].CurrentState, kStateOff)
        << "a command that never left is not shown as done";
    EXPECT_EQ(ctx.display.relays[4].fault, "fault: command not sent");

    platform.serial.Recover("open");
    Ticks(2);
    EXPECT_EQ(Said(), "tavreld: X10 fault board 1 cleared\n");
    EXPECT_EQ(ctx.schedule.RelayArray[4].CurrentState, kStateOn);
    EXPECT_EQ(platform.boxes.Shown().size(), 1u);
}

} // namespace
} // namespace tavrel
