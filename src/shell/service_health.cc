#include "shell/service_health.h"

#include "boardio/board_health.h"
#include "boardio/board_record.h"
#include "engine/schedule_records.h"
#include "platform/clock.h"
#include "platform/service_manager.h"

namespace tavrel {

std::string ServiceStatusText(const ScheduleTables& schedule, const BoardHealth& board1,
                              const std::string& next) {
    int on = 0;
    for (int r = 0; r < kRelaysPerBoard; ++r)
        if (schedule.RelayArray[r].CurrentState == kStateOn)
            ++on;
    std::string text = std::to_string(on) + " of " + std::to_string(kRelaysPerBoard) + " relays ON; ";
    if (board1.Fault())
        text += board1.faultText;
    else
        text += BoardEmulated(schedule.BoardArray[0]) ? "board 1 emulated" : "board 1 OK";
    return next.empty() ? text : text + "; " + next;
}

void ServiceHealth::TickRan(const std::string& status) {
    if (!manager_.Listening())
        return;
    std::string message;
    if (!ready_) {
        ready_ = true;
        message += "READY=1\n";
    }
    // Fed every quarter of the interval, so that a tick a little late still lands within the half the
    // manager asks for; a tick that hangs stops the feeding and gets the service restarted.
    const int64_t watchdog = manager_.WatchdogUs();
    const int64_t now = clock_.MonotonicUs();
    if (watchdog > 0 && (!fed_ || now - lastFedUs_ >= watchdog / 4)) {
        fed_ = true;
        lastFedUs_ = now;
        message += "WATCHDOG=1\n";
    }
    if (status != status_) {
        status_ = status;
        message += "STATUS=" + status + "\n";
    }
    if (!message.empty())
        manager_.Notify(message);
}

void ServiceHealth::Reloading() {
    if (manager_.Listening())
        manager_.Notify("RELOADING=1\nMONOTONIC_USEC=" + std::to_string(clock_.MonotonicUs()) + "\n");
}

void ServiceHealth::Reloaded() {
    if (manager_.Listening())
        manager_.Notify("READY=1\n");
}

void ServiceHealth::Stopping() {
    if (manager_.Listening())
        manager_.Notify("STOPPING=1\n");
}

} // namespace tavrel
