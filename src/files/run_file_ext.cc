#include "files/run_file_ext.h"

#include "engine/pair_times.h"
#include "engine/time_of_day.h"

namespace tavrel {

namespace {

constexpr std::string_view kBlockStart = "TAVREL.EXT|";
constexpr std::string_view kBlockHeader = "TAVREL.EXT|1";
constexpr std::string_view kBlockEnd = "TAVREL.END";
constexpr std::string_view kSunKind = "ASTRO";
constexpr std::string_view kHolidayKind = "HOLIDAY";

// The lines of `text` without their CR LF or LF ends.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        text = nl == std::string_view::npos ? std::string_view() : text.substr(nl + 1);
    }
    return lines;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (;;) {
        const size_t bar = line.find('|');
        fields.push_back(line.substr(0, bar));
        if (bar == std::string_view::npos)
            return fields;
        line = line.substr(bar + 1);
    }
}

// A one-digit number from 0 to `upper`, or -1.
int Index(std::string_view field, int upper) {
    if (field.size() != 1 || field[0] < '0' || field[0] - '0' > upper)
        return -1;
    return field[0] - '0';
}

// One ASTRO line into the tables; false when it cannot be read.
bool ReadSunLine(const std::vector<std::string_view>& f, ScheduleTables& tables, std::string& why) {
    const int relay = f.size() == 5 ? Index(f[1], kRelaysPerBoard - 1) : -1;
    const int pair = f.size() == 5 ? Index(f[2], kPairsPerRelay - 1) : -1;
    const auto sun = f.size() == 5 ? ParseSunTime(f[4]) : std::nullopt;
    if (relay < 0 || pair < 0 || (f[3] != "ON" && f[3] != "OFF") || !sun) {
        why = f.size() != 5 ? "it does not have five fields"
              : !sun        ? "its time is not a sun-based time"
                            : "its relay, pair or ON/OFF is not one";
        return false;
    }
    TimePair& p = tables.TimeArray[PairIndex(RelayIndex(0, relay), pair)];
    (f[3] == "ON" ? p.StartTime : p.EndTime) = FormatSunTime(*sun);
    return true;
}

// One HOLIDAY line into the tables; false when it cannot be read.
bool ReadHolidayLine(const std::vector<std::string_view>& f, ScheduleTables& tables, std::string& why) {
    const int relay = f.size() == 3 ? Index(f[1], kRelaysPerBoard - 1) : -1;
    const auto rule = f.size() == 3 ? ParseHolidayRule(f[2]) : std::nullopt;
    if (relay < 0 || !rule) {
        why = f.size() != 3 ? "it does not have three fields" : "its relay or holiday rule is not one";
        return false;
    }
    tables.RelayArray[RelayIndex(0, relay)].Holiday = *rule;
    return true;
}

} // namespace

ExtensionRead ReadExtensionBlock(std::string_view rest, int firstLine, ScheduleTables& tables) {
    ExtensionRead read;
    const std::vector<std::string_view> lines = Lines(rest);
    if (lines.empty() || !lines[0].starts_with(kBlockStart))
        return read;
    auto damaged = [&](size_t i, const std::string& why) {
        if (read.warning.empty())
            read.warning = "line " + std::to_string(firstLine + static_cast<int>(i)) + ": " + why;
    };
    if (lines[0] != kBlockHeader)
        damaged(0, "the extension block is of a version this program does not know");
    size_t i = 1;
    for (; i < lines.size() && lines[i] != kBlockEnd; ++i) {
        const std::vector<std::string_view> f = Fields(lines[i]);
        std::string why;
        bool readWell = true;
        if (f[0] == kSunKind)
            readWell = ReadSunLine(f, tables, why);
        else if (f[0] == kHolidayKind)
            readWell = ReadHolidayLine(f, tables, why);
        else
            read.kept.emplace_back(lines[i]);
        if (!readWell)
            damaged(i, why);
    }
    if (i == lines.size())
        damaged(i, "the extension block has no " + std::string(kBlockEnd));
    return read;
}

std::string ExtensionBlock(const ScheduleTables& tables, const std::vector<std::string>& kept) {
    std::string lines;
    for (int r = 0; r < kRelaysPerBoard; ++r)
        for (int p = 0; p < kPairsPerRelay; ++p) {
            const TimePair& pair = tables.TimeArray[PairIndex(RelayIndex(0, r), p)];
            for (const auto& [side, text] :
                 {std::pair{"ON", &pair.StartTime}, std::pair{"OFF", &pair.EndTime}})
                if (IsSunBasedText(*text))
                    lines += std::string(kSunKind) + "|" + std::to_string(r) + "|" + std::to_string(p) + "|" +
                             side + "|" + FormatSunTime(*ParseSunTime(*text)) + "\r\n";
        }
    for (int r = 0; r < kRelaysPerBoard; ++r)
        if (const HolidayRule rule = tables.RelayArray[RelayIndex(0, r)].Holiday; rule != HolidayRule::Run)
            lines += std::string(kHolidayKind) + "|" + std::to_string(r) + "|" +
                     std::string(HolidayRuleText(rule)) + "\r\n";
    for (const std::string& line : kept)
        lines += line + "\r\n";
    if (lines.empty())
        return "";
    return std::string(kBlockHeader) + "\r\n" + lines + std::string(kBlockEnd) + "\r\n";
}

std::string FixedLineTime(const std::string& text, const CalendarDate& date, const SunTimes& sun) {
    if (!IsSunBasedText(text))
        return text;
    const auto seconds = sun.TimeOn(text, date);
    return seconds ? FormatTimeOfDay(*seconds) : std::string();
}

} // namespace tavrel
