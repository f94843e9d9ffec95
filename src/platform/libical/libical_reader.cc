// The calendar reader over libical, loaded with dlopen when first asked for: a program without calendar
// files maps none of the library.

#include "platform/calendar_reader.h"
#include "platform/cold_code.h"
#include "platform/libical/libical_api.h"

#include <cerrno>
#include <cstring>
#include <dlfcn.h>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace tavrel {

namespace {

using libical_api::LibicalApi;
using libical_api::ResolveAll;

constexpr const char* kLibraryName = "libical.so.3";
// A rule that never ends (FREQ=DAILY with no COUNT) is followed only this far: decades of days.
constexpr int kMaxRepeats = 40000;

// A line as the format reads it, folded lines joined, with the number of the file line it starts on.
struct LogicalLine {
    std::string text;
    int number = 0;
};

TAVREL_COLD std::vector<LogicalLine> UnfoldedLines(const std::string& content) {
    std::vector<LogicalLine> lines;
    int number = 0;
    size_t at = 0;
    while (at < content.size()) {
        size_t end = content.find('\n', at);
        if (end == std::string::npos)
            end = content.size();
        std::string line = content.substr(at, end - at);
        at = end + 1;
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!lines.empty() && !line.empty() && (line[0] == ' ' || line[0] == '\t'))
            lines.back().text += line.substr(1);
        else
            lines.push_back({line, number});
    }
    return lines;
}

TAVREL_COLD CalendarDate DateOf(const icaltimetype& t) {
    return {t.year, t.month, t.day};
}

TAVREL_COLD bool After(const icaltimetype& t, const CalendarDate& d) {
    if (t.year != d.year)
        return t.year > d.year;
    if (t.month != d.month)
        return t.month > d.month;
    return t.day > d.day;
}

class LibicalReader final : public CalendarReader {
public:
    TAVREL_COLD LibicalReader(void* library, const LibicalApi& api) : library_(library), api_(api) {}
    TAVREL_COLD ~LibicalReader() override { ::dlclose(library_); }

    TAVREL_COLD CalendarFileRecord ReadFile(const std::string& path, const CalendarDate& until) override {
        CalendarFileRecord record;
        std::ifstream in(path, std::ios::binary);
        if (!in) {
            record.openError = std::strerror(errno);
            return record;
        }
        const std::string content((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) {
            record.openError = "read error";
            return record;
        }
        record.opened = true;
        std::vector<icalcomponent*> roots = Parse(UnfoldedLines(content), record);
        for (icalcomponent* root : roots) {
            record.isCalendar = record.isCalendar || api_.isa(root) == ICAL_VCALENDAR_COMPONENT;
            CollectEvents(root, until, record);
            api_.component_free(root);
        }
        return record;
    }

private:
    // Feeds the lines one by one, so that a line the library cannot read is known by its number.
    TAVREL_COLD std::vector<icalcomponent*> Parse(const std::vector<LogicalLine>& lines,
                                                  CalendarFileRecord& record) {
        std::vector<icalcomponent*> roots;
        icalparser* parser = api_.parser_new();
        std::string firstDamagedText;
        for (const LogicalLine& line : lines) {
            std::string text = line.text;
            if (icalcomponent* done = api_.add_line(parser, text.data()))
                roots.push_back(done);
            if (api_.get_state(parser) == ICALPARSER_ERROR && ++record.damagedLines == 1) {
                record.firstDamagedLine = line.number;
                firstDamagedText = line.text;
            }
        }
        if (icalcomponent* rest = api_.clean(parser)) {
            roots.push_back(rest);
            if (++record.damagedLines == 1) {
                record.firstDamagedLine = lines.empty() ? 1 : lines.back().number;
                record.firstDamage = "the file ends inside a calendar (no END:VCALENDAR)";
            }
        }
        api_.parser_free(parser);
        if (record.firstDamage.empty() && record.damagedLines > 0)
            record.firstDamage = ErrorAbout(roots, firstDamagedText);
        return roots;
    }

    // The library keeps its complaints in the components as X-LIC-ERROR properties, each ending with
    // what it could not read: the one that names the line, else the first.
    TAVREL_COLD std::string ErrorAbout(const std::vector<icalcomponent*>& roots, const std::string& line) {
        std::vector<std::string> errors;
        for (icalcomponent* root : roots)
            CollectErrors(root, errors);
        for (const std::string& e : errors) {
            const size_t colon = e.rfind(": ");
            if (colon != std::string::npos && line.find(e.substr(colon + 2)) != std::string::npos)
                return e;
        }
        return errors.empty() ? "the line cannot be read" : errors.front();
    }

    TAVREL_COLD void CollectErrors(icalcomponent* c, std::vector<std::string>& errors) {
        for (icalproperty* p = api_.first_property(c, ICAL_XLICERROR_PROPERTY); p != nullptr;
             p = api_.next_property(c, ICAL_XLICERROR_PROPERTY))
            if (const char* text = api_.get_xlicerror(p))
                errors.emplace_back(text);
        for (icalcomponent* child = api_.first_component(c, ICAL_ANY_COMPONENT); child != nullptr;
             child = api_.next_component(c, ICAL_ANY_COMPONENT))
            CollectErrors(child, errors);
    }

    TAVREL_COLD void CollectEvents(icalcomponent* root, const CalendarDate& until,
                                   CalendarFileRecord& record) {
        if (api_.isa(root) == ICAL_VEVENT_COMPONENT) {
            AddEvent(root, until, record);
            return;
        }
        for (icalcomponent* e = api_.first_component(root, ICAL_VEVENT_COMPONENT); e != nullptr;
             e = api_.next_component(root, ICAL_VEVENT_COMPONENT))
            AddEvent(e, until, record);
    }

    TAVREL_COLD void AddEvent(icalcomponent* e, const CalendarDate& until, CalendarFileRecord& record) {
        const icaltimetype start = api_.get_dtstart(e);
        if (api_.is_null_time(start))
            return; // no start the library could read: already counted as a damaged line
        CalendarEventRecord event;
        const char* summary = api_.get_summary(e);
        event.summary = summary != nullptr ? summary : "";
        event.allDay = start.is_date != 0;
        event.start = DateOf(start);
        const icaltimetype end = api_.get_dtend(e);
        event.end = api_.is_null_time(end) ? event.start : DateOf(end);
        AddRepeats(e, start, until, event);
        for (icalproperty* p = api_.first_property(e, ICAL_EXDATE_PROPERTY); p != nullptr;
             p = api_.next_property(e, ICAL_EXDATE_PROPERTY))
            event.excluded.push_back(DateOf(api_.get_exdate(p)));
        record.events.push_back(std::move(event));
    }

    TAVREL_COLD void AddRepeats(icalcomponent* e, const icaltimetype& start, const CalendarDate& until,
                                CalendarEventRecord& event) {
        for (icalproperty* p = api_.first_property(e, ICAL_RRULE_PROPERTY); p != nullptr;
             p = api_.next_property(e, ICAL_RRULE_PROPERTY)) {
            icalrecur_iterator* it = api_.recur_new(api_.get_rrule(p), start);
            if (it == nullptr)
                continue;
            int n = 0;
            for (icaltimetype t = api_.recur_next(it);
                 !api_.is_null_time(t) && !After(t, until) && n < kMaxRepeats; t = api_.recur_next(it), ++n)
                event.repeats.push_back(DateOf(t));
            api_.recur_free(it);
        }
        for (icalproperty* p = api_.first_property(e, ICAL_RDATE_PROPERTY); p != nullptr;
             p = api_.next_property(e, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype rdate = api_.get_rdate(p);
            const icaltimetype t = api_.is_null_time(rdate.time) ? rdate.period.start : rdate.time;
            if (!api_.is_null_time(t) && !After(t, until))
                event.repeats.push_back(DateOf(t));
        }
        // RDATEs add to the event's own date; a rule's first date is the event's own date already.
        if (!event.repeats.empty() && api_.first_property(e, ICAL_RRULE_PROPERTY) == nullptr)
            event.repeats.insert(event.repeats.begin(), DateOf(start));
    }

    void* library_;
    const LibicalApi api_;
};

} // namespace

bool CalendarReaderBuiltIn() {
    return true;
}

TAVREL_COLD std::unique_ptr<CalendarReader> LoadCalendarReader(std::string& error) {
    void* library = ::dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        error = std::string("the calendar library ") + kLibraryName +
                " cannot be loaded (on Debian it is in the package libical3)";
        return nullptr;
    }
    LibicalApi api;
    if (!ResolveAll(library, api)) {
        ::dlclose(library);
        error = std::string("the calendar library ") + kLibraryName + " lacks a needed function";
        return nullptr;
    }
    return std::make_unique<LibicalReader>(library, api);
}

} // namespace tavrel
