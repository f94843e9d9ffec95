#include "engine/time_of_day.h"

#include <array>
#include <cctype>

namespace tavrel {

namespace {

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(a[i])) != std::toupper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

namespace {

int Digit(char c) {
    return c >= '0' && c <= '9' ? c - '0' : -1;
}

// "HH:MM:SS", the form the entry fields store: read without the general parser.
std::optional<int32_t> ParseStoredForm(std::string_view s) {
    if (s.size() != 8 || s[2] != ':' || s[5] != ':')
        return std::nullopt;
    const int d[6] = {Digit(s[0]), Digit(s[1]), Digit(s[3]), Digit(s[4]), Digit(s[6]), Digit(s[7])};
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

} // namespace

std::optional<int32_t> ParseTimeOfDay(std::string_view text) {
    if (auto stored = ParseStoredForm(text))
        return stored;
    std::string_view s = Trim(text);
    int meridian = 0; // 0 none, 1 AM, 2 PM
    if (s.size() > 2) {
        const std::string_view suffix = s.substr(s.size() - 2);
        if (EqualsNoCase(suffix, "AM") || EqualsNoCase(suffix, "PM")) {
            meridian = EqualsNoCase(suffix, "AM") ? 1 : 2;
            s = Trim(s.substr(0, s.size() - 2));
        }
    }
    std::array<int, 3> parts{0, 0, 0};
    int count = 0;
    size_t i = 0;
    while (count < 3) {
        int value = 0;
        int digits = 0;
        while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i])) && digits < 3) {
            value = value * 10 + (s[i] - '0');
            ++i;
            ++digits;
        }
        if (digits == 0 || digits > 2)
            return std::nullopt;
        parts[static_cast<size_t>(count++)] = value;
        if (i == s.size())
            break;
        if (s[i] != ':')
            return std::nullopt;
        ++i;
    }
    if (i != s.size() || count < 2)
        return std::nullopt;
    int hour = parts[0];
    if (meridian != 0) {
        if (hour < 1 || hour > 12)
            return std::nullopt;
        hour = hour % 12 + (meridian == 2 ? 12 : 0);
    }
    if (hour > 23 || parts[1] > 59 || parts[2] > 59)
        return std::nullopt;
    return hour * 3600 + parts[1] * 60 + parts[2];
}

std::string FormatTimeOfDay(int64_t secondsOfDay) {
    int64_t s = secondsOfDay % kSecondsPerDay;
    if (s < 0)
        s += kSecondsPerDay;
    const int h = static_cast<int>(s / 3600);
    const int m = static_cast<int>((s / 60) % 60);
    const int sec = static_cast<int>(s % 60);
    std::string out = "00:00:00";
    out[0] = static_cast<char>('0' + h / 10);
    out[1] = static_cast<char>('0' + h % 10);
    out[3] = static_cast<char>('0' + m / 10);
    out[4] = static_cast<char>('0' + m % 10);
    out[6] = static_cast<char>('0' + sec / 10);
    out[7] = static_cast<char>('0' + sec % 10);
    return out;
}

} // namespace tavrel
