#include "shell/program_start.h"

#include "shell/program_context.h"
#include "shell/second_copy.h"
#include "shell/startup.h"
#include "shell/system_platform.h"

namespace tavrel {

ProgramStart::ProgramStart(ProgramContext& ctx, SystemPlatform& system,
                           std::function<void(const std::string&)> mqttNotice)
    : ctx_(ctx), system_(system), mqtt_(ctx, std::move(mqttNotice)) {}

bool ProgramStart::OpenHome() {
    if (!PrepareHomeFolder(ctx_))
        return false;
    OsFamilyText();
    instance_ = AcquireInstanceLock(ctx_.drives.Home());
    return true;
}

bool ProgramStart::AnotherCopyRunning() const {
    return instance_ != nullptr && instance_->AnotherCopyRunning();
}

std::vector<std::string> ProgramStart::SecondCopyLines() const {
    if (instance_ != nullptr && !AnotherCopyRunning() && !instance_->Problem().empty())
        // A lock file planted in the home: no second copy can be told of, so say why.
        return {"Tavrel cannot tell whether another copy uses TAVREL_HOME " + ctx_.drives.Home() + ": " +
                instance_->Problem() + "."};
    if (!AnotherCopyRunning())
        return {};
    return SecondCopyWarning("TAVREL_HOME " + ctx_.drives.Home(), instance_->Holder());
}

std::vector<std::string> ProgramStart::ClaimBoard() {
    std::vector<std::string> warning;
    board_ = tavrel::ClaimBoard(ctx_.schedule.BoardArray[0], 1, *system_.ports, *system_.serial, warning);
    if (AnotherCopyRunning())
        warning.clear();
    return warning;
}

HolidayService& ProgramStart::StartHolidays(std::function<void(const std::string&)> say) {
    holidays_.reset(); // a service going away takes the schedule's lookup with it: gone before the next
    holidays_ = std::make_unique<HolidayService>(ctx_, std::move(say));
    holidays_->OnToday([this](const Holiday* today, bool calendar) { mqtt_.SetHoliday(today, calendar); });
    holidays_->Load();
    return *holidays_;
}

} // namespace tavrel
