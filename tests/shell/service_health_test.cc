#include "shell/service_health.h"

#include "boardio/board_health.h"
#include "engine/schedule_records.h"
#include "support/fake_clock.h"
#include "support/fake_service_manager.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tavrel {
namespace {

using test::FakeClock;
using test::FakeServiceManager;

// The monotonic times (ms from the first tick) at which WATCHDOG=1 went out, ticking every `tickMs`
// for `spanMs`.
std::vector<int64_t> WatchdogTimes(int64_t watchdogMs, int64_t tickMs, int64_t spanMs) {
    FakeClock clock;
    FakeServiceManager manager;
    manager.watchdogUs = watchdogMs * 1000;
    ServiceHealth health(manager, clock);
    const int64_t start = clock.MonotonicMs();
    std::vector<int64_t> times;
    for (int64_t t = 0; t <= spanMs; t += tickMs) {
        manager.sent.clear();
        health.TickRan("0 of 8 relays ON; board 1 OK");
        for (const std::string& m : manager.sent)
            if (m.find("WATCHDOG=1\n") != std::string::npos)
                times.push_back(clock.MonotonicMs() - start);
        clock.Advance(tickMs);
    }
    return times;
}

TEST(ServiceHealth, WatchdogIsFedWithinHalfItsIntervalWhileTicksRun) {
    struct Case {
        int64_t watchdogMs, tickMs;
    };
    for (const Case c : {Case{30000, 1000}, Case{4000, 1000}, Case{30000, 250}}) {
        const std::vector<int64_t> times = WatchdogTimes(c.watchdogMs, c.tickMs, 120000);
        ASSERT_FALSE(times.empty());
        EXPECT_EQ(times.front(), 0);
        for (size_t i = 1; i < times.size(); ++i)
            EXPECT_LE(times[i] - times[i - 1], c.watchdogMs / 2) << c.watchdogMs << " " << c.tickMs;
        // Not at every tick when the watchdog is long: a datagram a second would be noise.
        const int64_t least = std::max(c.tickMs, c.watchdogMs / 4);
        EXPECT_LE(times.size(), static_cast<size_t>(120000 / least + 1)) << c.watchdogMs << " " << c.tickMs;
    }
}

TEST(ServiceHealth, ReadyOnceAndStatusOnlyWhenItChanges) {
    FakeClock clock;
    FakeServiceManager manager;
    ServiceHealth health(manager, clock);
    health.TickRan("0 of 8 relays ON; board 1 OK");
    health.TickRan("0 of 8 relays ON; board 1 OK");
    health.TickRan("1 of 8 relays ON; board 1 OK");
    health.Reloading();
    health.Reloaded();
    health.Stopping();
    ASSERT_EQ(manager.sent.size(), 5u);
    EXPECT_EQ(manager.sent[0], "READY=1\nSTATUS=0 of 8 relays ON; board 1 OK\n");
    EXPECT_EQ(manager.sent[1], "STATUS=1 of 8 relays ON; board 1 OK\n");
    EXPECT_EQ(manager.sent[2], "RELOADING=1\nMONOTONIC_USEC=" + std::to_string(clock.MonotonicUs()) + "\n");
    EXPECT_EQ(manager.sent[3], "READY=1\n");
    EXPECT_EQ(manager.sent[4], "STOPPING=1\n");
}

TEST(ServiceHealth, StatusTextNamesTheBoardsFault) {
    ScheduleTables schedule;
    InitialiseNewSchedule(schedule);
    schedule.BoardArray[0].BaseAddress = 0x300;
    schedule.RelayArray[1].CurrentState = kStateOn;
    BoardHealth health;
    EXPECT_EQ(ServiceStatusText(schedule, health), "1 of 8 relays ON; board 1 OK");
    health.readBackFault = true;
    health.faultText = "Read-back fault board 1: relays 2, written 03, read 01";
    EXPECT_EQ(ServiceStatusText(schedule, health, "next: relay 1 ON at 18:00:00"),
              "1 of 8 relays ON; Read-back fault board 1: relays 2, written 03, read 01; next: relay 1 ON at "
              "18:00:00");
}

TEST(ServiceHealth, NothingIsSentWithoutAManager) {
    FakeClock clock;
    FakeServiceManager manager;
    manager.listening = false;
    ServiceHealth health(manager, clock);
    health.TickRan("0 of 8 relays ON; board 1 OK");
    health.Stopping();
    EXPECT_TRUE(manager.sent.empty());
}

} // namespace
} // namespace tavrel
