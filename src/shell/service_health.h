#pragma once
// What tavreld tells its service manager: ready after the first tick, the watchdog kept fed by ticks
// that ran, a reload, the stop, and a one-line status when it changes.

#include <cstdint>
#include <string>

namespace tavrel {

class Clock;
class ServiceManager;
struct BoardHealth;
struct ScheduleTables;

// "3 of 8 relays ON; board 1 OK" (or "board 1 emulated", or board 1's fault line), then "; " and `next`
// when it is not empty.
std::string ServiceStatusText(const ScheduleTables& schedule, const BoardHealth& board1,
                              const std::string& next = "");

class ServiceHealth {
public:
    ServiceHealth(ServiceManager& manager, const Clock& clock) : manager_(manager), clock_(clock) {}

    // After a tick that ran to its end: READY=1 the first time, WATCHDOG=1 when due, STATUS= when
    // `status` differs from the last one sent.
    void TickRan(const std::string& status);
    // Around a reload: RELOADING=1 before, READY=1 after.
    void Reloading();
    void Reloaded();
    void Stopping();

private:
    ServiceManager& manager_;
    const Clock& clock_;
    bool ready_ = false;
    bool fed_ = false;
    int64_t lastFedUs_ = 0;
    std::string status_;
};

} // namespace tavrel
