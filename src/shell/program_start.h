#pragma once
// The start-up both programs share around their own steps, and what it holds for the whole run: the home
// folder made ready, this home's lock, the claim on board 1 across the machine, the holiday calendars and
// the MQTT service.

#include "platform/process.h"
#include "shell/holiday_service.h"
#include "shell/mqtt_service.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrel {

struct ProgramContext;
class SystemPlatform;

class ProgramStart {
public:
    // `mqttNotice` receives each line the MQTT link writes to the event log (null: the log only).
    ProgramStart(ProgramContext& ctx, SystemPlatform& system,
                 std::function<void(const std::string&)> mqttNotice);

    // The home folder checked and cleared of stale temp files, and this home's lock taken. False, after
    // saying what is wrong, when no file can be made in the home folder.
    bool OpenHome();
    bool AnotherCopyRunning() const;
    // The second-copy warning naming this home and the copy that holds it (tavreld prints it); or, when
    // the home's lock file was refused (a link, another user's), what is wrong with it.
    std::vector<std::string> SecondCopyLines() const;

    // Once the board settings are in force: board 1 claimed across the machine, since a copy with a home
    // of its own (a service, another user, the window) may drive the same board. The warning when another
    // program holds it; none while another copy uses this home, which was warned of already.
    std::vector<std::string> ClaimBoard();
    // The claim, which a reload takes again when the board moves to another port or line.
    std::unique_ptr<InstanceLock>& BoardClaim() { return board_; }

    MqttService& Mqtt() { return mqtt_; }

    // Once the settings are in force: the calendars of "HolidayFiles" read, and from then on today's
    // holiday told to the MQTT link at each reading and each new day. `say` takes each line for the person
    // running the program (null: the event log only). Read again with the service's Load.
    HolidayService& StartHolidays(std::function<void(const std::string&)> say);

private:
    ProgramContext& ctx_;
    SystemPlatform& system_;
    std::unique_ptr<InstanceLock> instance_;
    std::unique_ptr<InstanceLock> board_;
    std::unique_ptr<HolidayService> holidays_;
    // Last: it stops after the program's own close, since saying goodbye to the broker may wait on the
    // network and the close must not.
    MqttService mqtt_;
};

} // namespace tavrel
