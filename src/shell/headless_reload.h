#pragma once
// tavreld's reload (SIGHUP, `systemctl reload`): the settings read again and the boards made to take
// them, as after the configuration window closes; the MQTT link restarted only when its settings changed;
// the run file opened again only when it changed.

#include "boardio/board_record.h"
#include "platform/process.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>

namespace tavrel {

struct ProgramContext;
class MqttService;
class SystemPlatform;

class HeadlessReload {
public:
    // `runFile` is the file named on the command line ("" for none); `boardClaim` is the machine-wide
    // claim on board 1, taken again when the board moves to another port or line.
    HeadlessReload(ProgramContext& ctx, SystemPlatform& system, std::unique_ptr<InstanceLock>& boardClaim,
                   MqttService& mqtt, std::string runFile, std::ostream& err);

    // Between ticks, once a reload was asked for: the reload, when the settings lock comes within
    // kSettingsLockWaitMs; else it is left for a later call (the ticks go on meanwhile), and said once
    // when it has waited kReloadPatienceMs. True when the reload was done.
    bool TryReload();
    // Returns the detail of the "Reload" event it logged.
    std::string Reload();

    static constexpr int64_t kSettingsLockWaitMs = 100;
    static constexpr int64_t kReloadPatienceMs = 5000;

private:
    // Board 1's set-up changed from `before`: the old board switched off, the new one takes the relays.
    void MoveToNewBoard(const BoardRecord& before);
    std::string ReopenRunFile();

    ProgramContext& ctx_;
    SystemPlatform& system_;
    std::unique_ptr<InstanceLock>& boardClaim_;
    MqttService& mqtt_;
    std::string runFile_;
    std::ostream& err_;
    std::optional<int64_t> runFileTime_;
    std::optional<int64_t> waitingSinceMs_;
    bool waitSaid_ = false;
};

} // namespace tavrel
