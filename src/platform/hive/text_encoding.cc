#include "platform/hive/text_encoding.h"

#include <array>
#include <cstdint>
#include <utility>

namespace tavrel {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252; 0 where the byte is undefined.
constexpr std::array<uint16_t, 32> kHigh{0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                         0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                         0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                         0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

char ToCp1252(uint32_t cp) {
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return static_cast<char>(cp);
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] != 0 && kHigh[i] == cp)
            return static_cast<char>(0x80 + i);
    // Undefined bytes of the code page travel as the C1 control of the same number.
    if (cp >= 0x80 && cp <= 0x9F && kHigh[cp - 0x80] == 0)
        return static_cast<char>(cp);
    return '?';
}

uint32_t Cp1252CodePoint(unsigned char b) {
    return b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0 ? kHigh[b - 0x80] : b;
}

uint32_t Unit(const std::string& bytes, size_t i) {
    return static_cast<unsigned char>(bytes[i]) | (static_cast<unsigned char>(bytes[i + 1]) << 8);
}

// The code point that starts at `i` and the bytes it takes; -1 bytes for a malformed sequence.
std::pair<uint32_t, int> NextCodePoint(const std::string& text, size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
    if (extra < 0 || (extra > 0 && i + static_cast<size_t>(extra) >= text.size()))
        return {0, -1};
    uint32_t cp = extra == 0 ? b : b & (0x3F >> extra);
    for (int k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
        if ((c & 0xC0) != 0x80)
            return {0, -1};
        cp = (cp << 6) | (c & 0x3F);
    }
    return {cp, extra + 1};
}

} // namespace

std::string Cp1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCp1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const auto [cp, length] = NextCodePoint(text, i);
        out += length < 0 ? '?' : ToCp1252(cp);
        i += static_cast<size_t>(length < 0 ? 1 : length);
    }
    return out;
}

std::string FirstCharacterNotInCp1252(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto [cp, length] = NextCodePoint(text, i);
        const size_t taken = static_cast<size_t>(length < 0 ? 1 : length);
        if (length < 0 || (cp != '?' && ToCp1252(cp) == '?'))
            return text.substr(i, taken);
        i += taken;
    }
    return {};
}

std::string Utf16LeToUtf8(const std::string& bytes) {
    std::string out;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const uint32_t unit = Unit(bytes, i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const uint32_t low = Unit(bytes, i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit <= 0xDFFF ? 0xFFFD : unit);
    }
    return out;
}

std::string Cp1252ToUtf16Le(const std::string& text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        const uint32_t cp = Cp1252CodePoint(static_cast<unsigned char>(c));
        out += static_cast<char>(cp & 0xFF);
        out += static_cast<char>(cp >> 8);
    }
    return out;
}

std::string Utf16LeToCp1252(const std::string& bytes) {
    return Utf8ToCp1252(Utf16LeToUtf8(bytes));
}

size_t Utf16LeDamageAt(const std::string& bytes) {
    size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const uint32_t unit = Unit(bytes, i);
        if (unit >= 0xDC00 && unit <= 0xDFFF)
            return i;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            if (i + 3 >= bytes.size() || Unit(bytes, i + 2) < 0xDC00 || Unit(bytes, i + 2) > 0xDFFF)
                return i;
            i += 2;
        }
    }
    return i < bytes.size() ? i : std::string::npos;
}

size_t Utf8DamageAt(const std::string& text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            ++i;
            continue;
        }
        const int extra = b >= 0xC2 && b <= 0xDF   ? 1
                          : b >= 0xE0 && b <= 0xEF ? 2
                          : b >= 0xF0 && b <= 0xF4 ? 3
                                                   : -1;
        if (extra < 0 || i + static_cast<size_t>(extra) >= text.size())
            return i;
        // The second byte's range rules out overlong forms, surrogates and code points past U+10FFFF.
        const auto second = static_cast<unsigned char>(text[i + 1]);
        const unsigned char low = b == 0xE0 ? 0xA0 : b == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = b == 0xED ? 0x9F : b == 0xF4 ? 0x8F : 0xBF;
        if (second < low || second > high)
            return i;
        for (int k = 2; k <= extra; ++k)
            if ((static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0xC0) != 0x80)
                return i;
        i += static_cast<size_t>(extra) + 1;
    }
    return std::string::npos;
}

} // namespace tavrel
