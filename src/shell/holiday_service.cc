#include "shell/holiday_service.h"

#include "platform/file_times.h"
#include "shell/holiday_command.h"
#include "shell/program_context.h"

#include <optional>
#include <string_view>

namespace tavrel {

namespace {

// Recurring holidays are followed this far ahead; a new day reads the files again once fewer than
// kReadAgainDays of them are left.
constexpr long kReadAheadDays = 800;
constexpr long kReadAgainDays = 400;

} // namespace

HolidayService::HolidayService(ProgramContext& ctx, std::function<void(const std::string&)> say,
                               CalendarReaderLoader loader)
    : ctx_(ctx), say_(std::move(say)), loader_(std::move(loader)), day_(ctx.clock.Today()) {
    // The evaluation asks the schedule's holiday days, which ask this calendar once a day.
    ctx_.schedule.Holidays.SetLookup([this](const CalendarDate& date) -> std::optional<std::string> {
        const Holiday* holiday = calendar_.Find(date);
        return holiday != nullptr ? std::optional<std::string>(holiday->name) : std::nullopt;
    });
}

HolidayService::~HolidayService() {
    ctx_.schedule.Holidays.SetLookup(nullptr);
}

void HolidayService::Say(const std::string& line) {
    constexpr std::string_view kLead = "Holidays: ";
    ctx_.eventLog.WriteEvent("Holidays", line.rfind(kLead, 0) == 0 ? line.substr(kLead.size()) : line);
    if (say_)
        say_(line);
}

void HolidayService::Load() {
    day_ = ctx_.clock.Today();
    files_ = HolidayFilesOf(ctx_.settings.HolidayFiles, ctx_.drives);
    fileTimes_.clear();
    problems_.clear();
    ++readings_;
    calendar_.Clear();
    ctx_.schedule.Holidays.Forget();
    if (files_.empty()) {
        Tell();
        return;
    }
    for (const HolidayFile& file : files_)
        fileTimes_.push_back(FileChangedTime(file.path));
    if (!reader_) {
        std::string error;
        reader_ = loader_(error);
        if (!reader_) {
            problems_.push_back("Holidays: the calendars cannot be read: " + error +
                                "; every day runs as an ordinary day");
            Say(problems_.back());
            Tell();
            return;
        }
    }
    readUntil_ = DayNumber(day_) + kReadAheadDays;
    const HolidayLoadReport report = calendar_.Load(*reader_, files_, DateOfDayNumber(readUntil_));
    problems_ = report.problems;
    for (const std::string& problem : problems_)
        Say(problem);
    if (!report.TimedEventsLine().empty())
        Say(report.TimedEventsLine());
    const Holiday* today = Today();
    const size_t coming = calendar_.Between(day_, DateOfDayNumber(DayNumber(day_) + 365)).size();
    Say("Holidays: " + std::to_string(coming) + " dates in the coming year from " +
        std::to_string(files_.size()) + (files_.size() == 1 ? " calendar file" : " calendar files") +
        "; today " + (today != nullptr ? "is " + today->name : std::string("is no holiday")));
    Tell();
}

void HolidayService::Tell() {
    if (tell_)
        tell_(Today(), !files_.empty());
}

bool HolidayService::FilesChanged() const {
    for (size_t i = 0; i < files_.size(); ++i)
        if (FileChangedTime(files_[i].path) != fileTimes_[i])
            return true;
    return false;
}

void HolidayService::NewDayCheck() {
    const CalendarDate today = ctx_.clock.Today();
    if (today == day_)
        return;
    day_ = today;
    if (!files_.empty() && (FilesChanged() || readUntil_ - DayNumber(today) < kReadAgainDays))
        Load();
    else
        Tell();
}

const Holiday* HolidayService::Today() const {
    return calendar_.Find(day_);
}

} // namespace tavrel
