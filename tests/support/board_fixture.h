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
        BoardRecord& b = ctx.schedule.BoardArray[0];
        b.ChipSetType = "CBRelay08";
        b.BaseAddress = kBase;
        b.InputAddress = kInput;
        InitialiseNewSchedule(ctx.schedule);
        platform.clock.Set(2026, 12, 7, 9, 0, 0);
        ctx.settings.ColorRelayON = 1;
        ctx.settings.ColorRelayOFF = 2;
        ctx.settings.ColorManualON = 3;
        ctx.settings.ColorManualOFF = 4;
        ctx.settings.ColorTimeON = 5;
        ctx.settings.ColorTimeOFF = 6;
        ctx.settings.ColorInputON = 7;
        ctx.settings.ColorInputOFF = 8;
        ctx.settings.ColorTTimeBkgrnd = 9;
    }
    uint8_t Outputs() { return platform.PortByte(kBase); }
};

} // namespace tavrel::test
