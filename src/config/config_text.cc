#include "config/config_text.h"

#include "common/vb_conversions.h"

#include <algorithm>
#include <cctype>

namespace tavrel {

namespace {

constexpr std::string_view kFireComm = "FireCOMM";

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return u >= 'A' && u <= 'F' ? u - 'A' + 10 : -1;
}

std::string_view WithoutPrefix(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    if (text.size() >= 2 && text[0] == '&' && (text[1] == 'H' || text[1] == 'h'))
        text.remove_prefix(2);
    return text;
}

} // namespace

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

int64_t HexTextValue(std::string_view text) {
    text = WithoutPrefix(text);
    int64_t value = 0;
    int digits = 0;
    for (char c : text) {
        const int d = HexDigit(c);
        if (d < 0 || digits == 8)
            break;
        value = value * 16 + d;
        ++digits;
    }
    return value;
}

bool IsHexNumber(std::string_view text) {
    text = WithoutPrefix(text);
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return HexDigit(c) >= 0; });
}

std::string HexText(int64_t value) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    if (value < 0)
        value &= 0xFFFFFFFF;
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value % 16]);
        value /= 16;
    } while (value != 0);
    return out;
}

int FireCommNumber(std::string_view text) {
    if (text.size() != kFireComm.size() + 1 || !StartsWith(text, kFireComm))
        return 0;
    const char d = text.back();
    return d >= '1' && d <= '8' ? d - '0' : 0;
}

std::string FireCommName(int port) {
    return std::string(kFireComm) + std::to_string(port);
}

int32_t LeadingInteger(const std::string& text) {
    const double v = RoundHalfEven(LeadingNumber(text));
    return static_cast<int32_t>(std::clamp(v, -32768.0, 32767.0));
}

} // namespace tavrel
