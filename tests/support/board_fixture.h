#pragma once
// A test context with board 1 a relay card at 300 hex (inputs at 301 hex) on the simulated space, a new
// schedule, Monday 7 December 2026 09:00:00, and a distinct number for each panel colour.

#include "support/recording_host.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

namespace tavrel::test {

class BoardFixture : public ::testing::Test {
protected:
    static constexpr int32_t kBase = 0x300;
    static constexpr int32_t kInput = 0x301;

    TestContext t;
    ProgramContext& ctx = t.ctx;
    TestPlatform& platform = t.platform;
    RecordingHost host;

    void SetUp() override {
        BoardRecord& b = ctx.BoardArray[0];
        b.ChipSetType = "CBRelay08";
        b.BaseAddress = kBase;
        b.InputAddress = kInput;
        InitialiseNewSchedule(ctx);
        platform.clock.Set(2026, 12, 7, 9, 0, 0);
        ctx.ColorRelayON = 1;
        ctx.ColorRelayOFF = 2;
        ctx.ColorManualON = 3;
        ctx.ColorManualOFF = 4;
        ctx.ColorTimeON = 5;
        ctx.ColorTimeOFF = 6;
        ctx.ColorInputON = 7;
        ctx.ColorInputOFF = 8;
        ctx.ColorTTimeBkgrnd = 9;
    }
    uint8_t Outputs() { return platform.PortByte(kBase); }
};

} // namespace tavrel::test
