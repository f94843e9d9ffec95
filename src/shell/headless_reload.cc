#include "shell/headless_reload.h"

#include "config/board_value_check.h"
#include "config/configuration.h"
#include "engine/tick.h"
#include "files/run_file.h"
#include "platform/file_times.h"
#include "shell/mqtt_service.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/second_copy.h"
#include "shell/system_platform.h"

#include <ostream>

namespace tavrel {

namespace {

// What makes a board another board: its type, its ports or line, how it is driven.
bool SameBoardSetup(const BoardRecord& a, const BoardRecord& b) {
    return a.ChipSetType == b.ChipSetType && a.BaseAddress == b.BaseAddress &&
           a.InputAddress == b.InputAddress && a.CntlAddress == b.CntlAddress &&
           a.PortConfigValue == b.PortConfigValue && a.RunNoBoard == b.RunNoBoard &&
           a.WriteToBaseOnly == b.WriteToBaseOnly;
}

// Whether the run file reads, without touching the running schedule.
bool RunFileLoads(ProgramContext& ctx, const std::string& path) {
    auto tables = std::make_unique<ScheduleTables>();
    Settings settings = ctx.settings;
    ScheduleFileState state;
    RunFiles probe(*tables, settings, state, ctx.boxes, ctx.drives, ctx.clock);
    InitialiseNewSchedule(*tables);
    tables->Sun.FollowSettings(&ctx.settings);
    tables->Sun.SetZone(&ctx.clock.Zone());
    std::string folder;
    std::string name;
    SplitRunFilePath(path, folder, name);
    return probe.LoadRunFile(folder, name, true) == kRunFileLoaded;
}

} // namespace

HeadlessReload::HeadlessReload(ProgramContext& ctx, SystemPlatform& system,
                               std::unique_ptr<InstanceLock>& boardClaim, MqttService& mqtt,
                               std::string runFile, std::ostream& err)
    : ctx_(ctx), system_(system), boardClaim_(boardClaim), mqtt_(mqtt), runFile_(std::move(runFile)),
      err_(err) {
    if (!runFile_.empty())
        runFileTime_ = FileChangedTime(runFile_);
}

bool HeadlessReload::TryReload() {
    std::string detail;
    if (system_.registry->TryWriteTogether(kHkeyLocalMachine, kSettingsLockWaitMs,
                                           [&] { detail = Reload(); })) {
        // Outside the settings lock: stopping the link may wait seconds for its goodbye on the network.
        mqtt_.Reload();
        waitingSinceMs_.reset();
        waitSaid_ = false;
        return true;
    }
    const int64_t now = ctx_.clock.MonotonicMs();
    if (!waitingSinceMs_)
        waitingSinceMs_ = now;
    if (!waitSaid_ && now - *waitingSinceMs_ >= kReloadPatienceMs) {
        waitSaid_ = true;
        ctx_.eventLog.WriteEvent("Reload", "Waiting, another program holds the settings lock");
        err_ << "tavreld: reload waits: another program holds the settings lock; the schedule goes on.\n";
    }
    return false;
}

std::string HeadlessReload::Reload() {
    const BoardRecord before = ctx_.schedule.BoardArray[0];
    const std::string version = ctx_.NewConfiguration().ConfigurationLoadVersionFromReg();
    std::string detail;
    // A bad board value must never be driven: an address of the machine's own (a write to 64 hex may
    // reset it) would be written at once by the move to the new board.
    const std::vector<BadSettingValue> bad =
        version == kConfigVersionTag ? BadBoardValues(ctx_.regApi) : std::vector<BadSettingValue>{};
    for (const BadSettingValue& b : bad)
        err_ << "tavreld: bad board value: " << BadSettingText(b) << "\n";
    if (!bad.empty()) {
        detail = "Configuration kept (bad board value " + bad.front().name + ")";
    } else if (version == kConfigVersionTag) {
        ctx_.settings.ConfigVersion = version;
        ctx_.NewConfiguration().ConfigurationLoadFromReg();
        detail = "Configuration read again";
    } else {
        // Nothing of this version is stored (removed, or written by another version): keep what runs.
        err_ << "tavreld: no configuration of this version is stored (" << version
             << "): the running settings are kept.\n";
        detail = "Configuration kept (none stored)";
    }
    if (!SameBoardSetup(before, ctx_.schedule.BoardArray[0]))
        MoveToNewBoard(before);
    detail += ", " + ReopenRunFile();
    ctx_.eventLog.WriteEvent("Reload", detail);
    err_ << "tavreld: reload: " << detail << ".\n";
    return detail;
}

void HeadlessReload::MoveToNewBoard(const BoardRecord& before) {
    // The board left behind (emulation switched on, another type or address) lets go of its relays
    // first, as switching emulation on in the window does; else it would hold them as they are for good.
    const BoardRecord after = ctx_.schedule.BoardArray[0];
    if (!BoardEmulated(before)) {
        ctx_.schedule.BoardArray[0] = before;
        ctx_.boards.AllRelaysOff(0);
        ctx_.schedule.BoardArray[0] = after;
    }
    // Only a board whose set-up changed is initialised again: initialising writes the control word and
    // then 0 to the outputs, which would drop the relays that are ON until each one's next change.
    ctx_.boards.InvalidateBoard(0);
    std::vector<std::string> warning;
    boardClaim_.reset(); // our own claim would stand in the way of the new one on the same board
    boardClaim_ = ClaimBoard(ctx_.schedule.BoardArray[0], 1, *system_.ports, *system_.serial, warning);
    for (const std::string& line : warning)
        err_ << line << "\n";
    // The new board (or the board instead of its emulation) takes the relays' states now, not at each
    // relay's next change, which may be hours away: a relay that is ON must be ON on the new board.
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        const int16_t state = ctx_.schedule.RelayArray[r].CurrentState;
        if (state == kStateOn)
            ctx_.boards.RelayOn(0, r);
        else if (state == kStateOff)
            ctx_.boards.RelayOff(0, r);
    }
}

std::string HeadlessReload::ReopenRunFile() {
    if (runFile_.empty())
        return "schedule kept";
    const std::optional<int64_t> now = FileChangedTime(runFile_);
    if (now == runFileTime_)
        return "schedule kept (" + runFile_ + " unchanged)";
    // A changed file that does not read must not cost the running schedule.
    if (!RunFileLoads(ctx_, runFile_))
        return "schedule kept (" + runFile_ + " changed but does not load)";
    if (FileOpen(ctx_, runFile_) != kRunFileLoaded)
        return "schedule lost (" + runFile_ + " could not be opened)";
    runFileTime_ = now;
    EnableTimer(ctx_.engine);
    return runFile_ + " opened again";
}

} // namespace tavrel
