#include "mainwindow/sun_box_note.h"

#include "engine/pair_times.h"
#include "engine/time_of_day.h"

namespace tavrel {

namespace {

// Why a pair whose own time resolves still does not run on `date`.
std::string WhyPairIdle(const std::string& other, const CalendarDate& date, const SunTimes& sun) {
    if (IsSunBasedText(other) && !sun.TimeOn(other, date))
        return "its other time does not happen today";
    return "ON is not before OFF";
}

} // namespace

std::string SunBoxNote(const TimePair& pair, bool offTime, const CalendarDate& date, const SunTimes& sun) {
    const std::string& own = offTime ? pair.EndTime : pair.StartTime;
    if (!IsSunBasedText(own))
        return "";
    const std::string head = own + ": ";
    if (!sun.Place())
        return head +
               "does not run today: no location set (File > Configuration, Location, or tavreld --config set "
               "Latitude 52.52 Longitude 13.40)";
    const std::optional<int32_t> today = sun.TimeOn(own, date);
    if (!today)
        return head + "does not run today: no such time today";
    const std::string at = head + "today " + FormatTimeOfDay(*today);
    if (!PairInUse(pair) || ResolvePairSeconds(pair, date, &sun).usable)
        return at;
    return at + ", but the pair does not run today: " +
           WhyPairIdle(offTime ? pair.StartTime : pair.EndTime, date, sun);
}

RelaySunNotes SunNotesFor(int relay, const ScheduleTables& tables, const CalendarDate& date) {
    RelaySunNotes notes;
    for (int p = 0; p < kPairsPerRelay; ++p) {
        const TimePair& pair = tables.TimeArray[PairIndex(relay, p)];
        notes[static_cast<size_t>(2 * p)] = SunBoxNote(pair, false, date, tables.Sun);
        notes[static_cast<size_t>(2 * p + 1)] = SunBoxNote(pair, true, date, tables.Sun);
    }
    return notes;
}

} // namespace tavrel
