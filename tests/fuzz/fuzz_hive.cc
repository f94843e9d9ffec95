// The hive file reader: whatever it accepts is written back without a line break, carriage return or NUL
// inside a line, and reads back the same; UTF-8, UTF-8 with a byte-order mark and UTF-16LE read alike.
#include "platform/hive/hive_data.h"
#include "platform/hive/text_encoding.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using tavrel::HiveData;

void Require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "hive round trip: %s\n", what);
        std::abort();
    }
}

bool SameHive(const HiveData& a, const HiveData& b) {
    if (a.Keys().size() != b.Keys().size())
        return false;
    for (size_t k = 0; k < a.Keys().size(); ++k) {
        const auto& x = a.Keys()[k];
        const auto& y = b.Keys()[k];
        if (x.path != y.path || x.values.size() != y.values.size())
            return false;
        for (size_t v = 0; v < x.values.size(); ++v)
            if (x.values[v].name != y.values[v].name || x.values[v].type != y.values[v].type ||
                x.values[v].data != y.values[v].data)
                return false;
    }
    return true;
}

// Well-formed UTF-8 as UTF-16LE with its byte-order mark.
std::string ToUtf16(const std::string& text) {
    std::string out = "\xFF\xFE";
    auto unit = [&](uint32_t u) {
        out += static_cast<char>(u & 0xFF);
        out += static_cast<char>(u >> 8);
    };
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        const int extra = b < 0x80 ? 0 : b < 0xE0 ? 1 : b < 0xF0 ? 2 : 3;
        uint32_t cp = extra == 0 ? b : b & (0x3F >> extra);
        for (int k = 1; k <= extra; ++k)
            cp = (cp << 6) | (static_cast<unsigned char>(text[i + static_cast<size_t>(k)]) & 0x3F);
        i += static_cast<size_t>(extra) + 1;
        if (cp >= 0x10000) {
            unit(0xD800 + ((cp - 0x10000) >> 10));
            unit(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            unit(cp);
        }
    }
    return out;
}

void CheckWrittenForm(const HiveData& hive) {
    const std::string text = tavrel::FormatHive(hive);
    for (size_t i = 0; i < text.size(); ++i) {
        Require(text[i] != '\0', "a NUL was written");
        if (text[i] == '\r')
            Require(i + 1 < text.size() && text[i + 1] == '\n', "a lone carriage return was written");
        if (text[i] == '\n')
            Require(i > 0 && text[i - 1] == '\r', "a bare line feed was written");
    }
    std::string error;
    const auto again = tavrel::ParseHive(text, error);
    Require(again.has_value(), "the written hive does not read");
    Require(SameHive(hive, *again), "the written hive reads differently");
    Require(tavrel::FormatHive(*again) == text, "writing again gives another text");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto hive = tavrel::ParseHive(input, error);
    if (hive)
        CheckWrittenForm(*hive);
    const bool marked = input.rfind("\xEF\xBB\xBF", 0) == 0 || input.rfind("\xFF\xFE", 0) == 0;
    if (marked || tavrel::Utf8DamageAt(input) != std::string::npos)
        return 0;
    for (const std::string& other : {"\xEF\xBB\xBF" + input, ToUtf16(input)}) {
        const auto same = tavrel::ParseHive(other, error);
        Require(same.has_value() == hive.has_value(), "the encodings disagree on whether the file reads");
        Require(!hive || SameHive(*hive, *same), "the encodings read differently");
    }
    return 0;
}
