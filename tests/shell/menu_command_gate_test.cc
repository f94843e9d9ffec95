#include "shell/menu_command_gate.h"

#include "mqtt/mqtt_commands.h"
#include "support/board_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace tavrel {
namespace {

// A host whose pending window events hold one menu command, run the first time the tick lets them.
class CommandInEventsHost final : public TickHost {
public:
    std::function<void()> pending;
    void ProcessPendingMessages() override {
        if (!pending)
            return;
        auto command = std::move(pending);
        pending = nullptr;
        command();
    }
};

class MenuCommandGateTest : public test::BoardFixture {
protected:
    TickGate gate;
    CommandInEventsHost eventsHost;
};

TEST_F(MenuCommandGateTest, ACommandHoldsTheScheduleWhileItRunsAndGivesItBack) {
    bool heldInside = false;
    RunMenuCommand(ctx.schedule, gate, [&] { heldInside = IsSet(ctx.schedule.ScheduleSuspended); });
    EXPECT_TRUE(heldInside);
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse);
}

TEST_F(MenuCommandGateTest, ACommandStartedInsideATickLeavesTheRestOfThatTickUndone) {
    ctx.schedule.TimeArray[0] = {"08:00:00", "17:00:00", kFalse};
    int commands = 0;
    eventsHost.pending = [&] { RunMenuCommand(ctx.schedule, gate, [&] { ++commands; }); };
    gate.Tick(ctx.engine, eventsHost);
    EXPECT_EQ(commands, 1);
    EXPECT_EQ(Outputs(), 0) << "the evaluation and output passes were left undone";
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse) << "released once the tick returned";

    gate.Tick(ctx.engine, eventsHost);
    EXPECT_EQ(Outputs(), 1) << "the next tick runs whole";
}

TEST_F(MenuCommandGateTest, ACommandDuringAnMqttForcedCheckIsHeldUntilTheLinksTurnEnds) {
    ctx.schedule.TimeArray[0] = {"08:00:00", "17:00:00", kFalse};
    int commands = 0;
    eventsHost.pending = [&] { RunMenuCommand(ctx.schedule, gate, [&] { ++commands; }); };
    bool heldAfterCheck = false;
    gate.Run(ctx.schedule, [&] {
        ApplyMqttCommand(ctx.engine, eventsHost, {MqttCommandKind::ForceCheck, -1});
        heldAfterCheck = IsSet(ctx.schedule.ScheduleSuspended);
    });
    EXPECT_EQ(commands, 1);
    EXPECT_TRUE(heldAfterCheck) << "the schedule is held for the rest of the link's turn";
    EXPECT_EQ(Outputs(), 0) << "the forced check's evaluation and output were left undone";
    EXPECT_EQ(ctx.schedule.ScheduleSuspended, kFalse) << "released once the turn returned";
}

} // namespace
} // namespace tavrel
