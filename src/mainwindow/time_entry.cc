#include "mainwindow/time_entry.h"

#include "engine/time_of_day.h"

#include <cctype>

namespace tavrel {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

// 0 none, 1 am, 2 pm; removes the suffix and one blank before it from `s`.
int TakeMeridian(std::string_view& s) {
    if (s.size() < 2)
        return 0;
    const char a = Upper(s[s.size() - 2]);
    const char m = Upper(s[s.size() - 1]);
    if ((a != 'A' && a != 'P') || m != 'M')
        return 0;
    s.remove_suffix(2);
    if (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return a == 'A' ? 1 : 2;
}

// Reads "H" or "HH" (hours) or exactly "MM"/"SS" (two digits); -1 when the field is malformed.
int Field(std::string_view f, bool hours) {
    if (f.empty() || f.size() > 2 || (!hours && f.size() != 2))
        return -1;
    int value = 0;
    for (char c : f) {
        if (!IsDigit(c))
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::optional<std::string> NormaliseTypedTime(std::string_view text) {
    std::string_view s = text;
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    const int meridian = TakeMeridian(s);
    const size_t first = s.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    const size_t second = s.find(':', first + 1);
    const int hour = Field(s.substr(0, first), true);
    const int minute =
        Field(s.substr(first + 1, second == std::string_view::npos ? s.npos : second - first - 1), false);
    const int sec = second == std::string_view::npos ? 0 : Field(s.substr(second + 1), false);
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
    return FormatTimeOfDay(h24 * 3600 + minute * 60 + sec);
}

std::string TimeBoxKeyText(std::string_view typed) {
    std::string out(typed);
    for (char& c : out)
        if (c == '.')
            c = ':';
    return out;
}

} // namespace tavrel
