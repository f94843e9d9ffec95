#include "shell/holiday_command.h"

#include "platform/calendar_reader.h"
#include "platform/drive_map.h"
#include "platform/message_box.h"
#include "shell/preview_printer.h"
#include "shell/program_context.h"
#include "shell/startup.h"
#include "shell/system_platform.h"

#include <optional>
#include <ostream>

namespace tavrel {

namespace {

// What `take` makes of the stored settings; the defaults when nothing is stored yet.
template <class Take> auto FromStoredSettings(const std::string& home, std::ostream& err, Take take) {
    ConsoleMessageBoxes boxes(err);
    SystemPlatform system(home, boxes, RegistryAccess::ReadOnly); // a question never writes
    ProgramContext ctx(system.Services());
    ctx.settings.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
    if (ctx.settings.ConfigVersion == kConfigVersionTag)
        ctx.NewConfiguration().ConfigurationLoadFromReg();
    return take(ctx);
}

std::vector<HolidayFile> StoredHolidayFiles(const std::string& home, std::ostream& err) {
    return FromStoredSettings(home, err, [](const ProgramContext& ctx) {
        return HolidayFilesOf(ctx.settings.HolidayFiles, ctx.drives);
    });
}

} // namespace

CalendarDate YearLater(const CalendarDate& date) {
    const CalendarDate next{date.year + 1, date.month, date.day};
    return DateOfDayNumber(DayNumber(next)).month == date.month ? next
                                                                : CalendarDate{date.year + 1, date.month, 28};
}

std::string StoredHolidayFilesSetting(const std::string& home, std::ostream& err) {
    return FromStoredSettings(home, err, [](const ProgramContext& ctx) { return ctx.settings.HolidayFiles; });
}

std::string HolidaysVersionText() {
    return CalendarReaderBuiltIn() ? "Holidays: available" : "Holidays: not built in";
}

std::vector<HolidayFile> HolidayFilesOf(const std::string& setting, const DriveMap& drives) {
    std::vector<HolidayFile> files;
    for (const std::string& listed : SplitHolidayFiles(setting))
        files.push_back({listed, drives.Map(listed)});
    return files;
}

int HolidaysCommand(const std::string& home, const std::vector<std::string>& dates, const CalendarDate& today,
                    std::ostream& out, std::ostream& err) {
    const std::optional<CalendarDate> from = dates.empty() ? today : ParseIsoDate(dates[0]);
    std::optional<CalendarDate> to = dates.size() >= 2 ? ParseIsoDate(dates[1]) : std::nullopt;
    if (dates.size() < 2 && from)
        to = YearLater(*from);
    if (dates.size() > 2 || !from || !to) {
        err << "tavreld: --holidays wants its dates as YYYY-MM-DD: --holidays [FROM [TO]]\n";
        return 2;
    }
    if (DayNumber(*to) < DayNumber(*from)) {
        err << "tavreld: --holidays: " << IsoDateText(*to) << " is before " << IsoDateText(*from) << "\n";
        return 2;
    }
    const std::vector<HolidayFile> files = StoredHolidayFiles(home, err);
    if (files.empty()) {
        err << "tavreld: no holiday calendar is set (tavreld --config set HolidayFiles FILE.ics)\n";
        return 0;
    }
    std::string error;
    const std::unique_ptr<CalendarReader> reader = LoadCalendarReader(error);
    if (!reader) {
        err << "tavreld: the holiday calendars cannot be read: " << error << "\n";
        return 1;
    }
    HolidayCalendar calendar;
    const HolidayLoadReport report = calendar.Load(*reader, files, *to);
    for (const std::string& problem : report.problems)
        err << "tavreld: " << problem << "\n";
    if (!report.TimedEventsLine().empty())
        err << "tavreld: " << report.TimedEventsLine() << "\n";
    for (const auto& [date, holiday] : calendar.Between(*from, *to))
        out << IsoDateText(date) << "  " << holiday.name << "  " << holiday.file << "\n";
    return report.unreadable ? 1 : 0;
}

} // namespace tavrel
