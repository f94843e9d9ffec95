#include "engine/time_text.h"

#include "common/text.h"

#include "engine/time_of_day.h"

#include <array>
#include <utility>

namespace tavrel {

namespace {

// Where the typed and the stored forms differ; everything else is the same grammar: an hour of one or two
// digits, a colon, minutes, optionally a colon and seconds, optionally "am" or "pm" in any case.
struct Dialect {
    std::string_view blanks;      // what is trimmed around the text
    bool anyBlanksBeforeMeridian; // else at most one space
    size_t minDigitsAfterHour;    // of the minutes and seconds (at most two)
    bool colonAfterSeconds;       // "8:05:30:" reads as "8:05:30"
};

// The box documents two-digit minutes and seconds; a file may hold what older writers wrote.
constexpr Dialect kTyped{" ", false, 2, false};
constexpr Dialect kStored{" \t", true, 1, true};

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// 0 none, 1 am, 2 pm; removes the suffix and the blanks the dialect allows before it from `s`.
int TakeMeridian(std::string_view& s, const Dialect& d) {
    if (s.size() < 2)
        return 0;
    const char a = Upper(s[s.size() - 2]);
    if ((a != 'A' && a != 'P') || Upper(s.back()) != 'M')
        return 0;
    s.remove_suffix(2);
    if (d.anyBlanksBeforeMeridian)
        s = Trim(s, d.blanks);
    else if (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return a == 'A' ? 1 : 2;
}

// A field of `minDigits` to two digits; -1 when it is not one.
int Field(std::string_view f, size_t minDigits) {
    if (f.size() < minDigits || f.size() > 2)
        return -1;
    int value = 0;
    for (char c : f) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<int32_t> Read(std::string_view text, const Dialect& d) {
    std::string_view s = Trim(text, d.blanks);
    const int meridian = TakeMeridian(s, d);
    const size_t first = s.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    const size_t second = s.find(':', first + 1);
    if (d.colonAfterSeconds && second != std::string_view::npos && s.size() > second + 1 && s.back() == ':')
        s.remove_suffix(1);
    const int hour = Field(s.substr(0, first), 1);
    const int minute =
        Field(s.substr(first + 1, second == std::string_view::npos ? s.npos : second - first - 1),
              d.minDigitsAfterHour);
    const int sec = second == std::string_view::npos ? 0 : Field(s.substr(second + 1), d.minDigitsAfterHour);
    if (hour < 0 || minute < 0 || sec < 0 || minute > 59 || sec > 59)
        return std::nullopt;
    int h24 = hour;
    if (meridian != 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        h24 = hour % 12 + (meridian == 2 ? 12 : 0);
    }
    if (h24 > 23)
        return std::nullopt;
    return h24 * 3600 + minute * 60 + sec;
}

int Digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// The stored form, read without the general grammar: the tick reads every pair once a second.
std::optional<int32_t> ReadStoredForm(std::string_view s) {
    if (s.size() != 8 || s[2] != ':' || s[5] != ':')
        return std::nullopt;
    const std::array<int, 6> d{Digit(s[0]), Digit(s[1]), Digit(s[3]), Digit(s[4]), Digit(s[6]), Digit(s[7])};
    for (int x : d)
        if (x < 0)
            return std::nullopt;
    const int h = d[0] * 10 + d[1];
    const int m = d[2] * 10 + d[3];
    const int sec = d[4] * 10 + d[5];
    if (h > 23 || m > 59 || sec > 59)
        return std::nullopt;
    return h * 3600 + m * 60 + sec;
}

constexpr std::pair<std::string_view, SunEvent> kSunEvents[] = {{"sunrise", SunEvent::Sunrise},
                                                                {"sunset", SunEvent::Sunset},
                                                                {"dawn", SunEvent::Dawn},
                                                                {"dusk", SunEvent::Dusk}};
constexpr int32_t kMaxSunOffset = 12 * 3600;

// An offset "H:MM" or "H:MM:SS" (hours of one or two digits) in seconds; -1 when it is not one.
int32_t ReadOffset(std::string_view s) {
    const size_t first = s.find(':');
    if (first == std::string_view::npos)
        return -1;
    const size_t second = s.find(':', first + 1);
    const int hours = Field(s.substr(0, first), 1);
    const int minutes =
        Field(s.substr(first + 1, second == std::string_view::npos ? s.npos : second - first - 1), 2);
    const int secs = second == std::string_view::npos ? 0 : Field(s.substr(second + 1), 2);
    if (hours < 0 || minutes < 0 || secs < 0 || minutes > 59 || secs > 59)
        return -1;
    return hours * 3600 + minutes * 60 + secs;
}

} // namespace

std::optional<SunTime> ParseSunTime(std::string_view text) {
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t')
            s += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    for (const auto& [name, event] : kSunEvents) {
        if (!std::string_view(s).starts_with(name))
            continue;
        const std::string_view rest = std::string_view(s).substr(name.size());
        if (rest.empty())
            return SunTime{event, 0};
        if (rest[0] != '+' && rest[0] != '-')
            return std::nullopt;
        const int32_t offset = ReadOffset(rest.substr(1));
        if (offset < 0 || offset > kMaxSunOffset)
            return std::nullopt;
        return SunTime{event, rest[0] == '-' ? -offset : offset};
    }
    return std::nullopt;
}

std::string FormatSunTime(const SunTime& sun) {
    std::string text;
    for (const auto& [name, event] : kSunEvents)
        if (event == sun.event)
            text = name;
    if (sun.offset == 0)
        return text;
    const int32_t magnitude = sun.offset < 0 ? -sun.offset : sun.offset;
    const std::string hms = FormatTimeOfDay(magnitude);
    text += sun.offset < 0 ? '-' : '+';
    text += magnitude % 60 == 0 ? hms.substr(0, 5) : hms;
    return text;
}

std::optional<std::string> NormaliseTypedTime(std::string_view typed) {
    const auto seconds = Read(typed, kTyped);
    if (!seconds)
        return std::nullopt;
    return FormatTimeOfDay(*seconds);
}

std::optional<int32_t> ParseStoredTime(std::string_view stored) {
    if (auto fixed = ReadStoredForm(stored))
        return fixed;
    return Read(stored, kStored);
}

} // namespace tavrel
