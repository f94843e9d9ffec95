#include "shell/schedule_printer.h"

#include "engine/cycle_code_words.h"
#include "engine/pair_times.h"

#include <ostream>

namespace tavrel {

namespace {
int Flag(int16_t f) {
    return f != 0 ? 1 : 0;
}
} // namespace

void PrintSchedule(const ScheduleTables& t, const Settings& settings, const CalendarDate& day,
                   std::ostream& out) {
    out << "LoggingOnOff: " << Flag(settings.LoggingOnOff) << "\n";
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        const RelayRecord& relay = t.RelayArray[r];
        out << "Relay " << r + 1 << ": " << relay.DisplayName << "\n";
        out << "  DaysOfWeek: " << relay.DaysOfWeek << " (" << DaysOfWeekWords(relay.DaysOfWeek) << ")\n";
        out << "  CycleCode: " << relay.CycleCode << " (" << CycleCodeWords(relay.CycleCode) << ")\n";
        out << "  Manual: " << Flag(relay.Manual) << "  Invert: " << Flag(relay.Invert)
            << "  CountEnabled: " << Flag(relay.CountEnabled) << "  Counter: " << relay.Counter
            << "  HardStop: " << Flag(relay.HardStop) << "\n";
        out << "  IconFile: " << relay.IconFile << "\n";
        if (relay.Holiday != HolidayRule::Run)
            out << "  HolidayRule: " << HolidayRuleText(relay.Holiday) << "\n";
        for (int p = 0; p < kPairsPerRelay; ++p) {
            const TimePair& pair = t.TimeArray[PairIndex(r, p)];
            out << "  Pair " << p + 1 << ": " << pair.StartTime << " - " << pair.EndTime << "\n";
            if (const std::string on = SunPairOnDay(pair, day, t.Sun); !on.empty())
                out << "    today: " << on << "\n";
        }
    }
}

} // namespace tavrel
