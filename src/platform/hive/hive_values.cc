#include "platform/hive/hive_values.h"

#include "platform/hive/text_encoding.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tavrel {

namespace {

constexpr uint32_t kSz = 1;
constexpr uint32_t kExpandSz = 2;
constexpr uint32_t kBinary = 3;
constexpr uint32_t kDword = 4;
constexpr uint32_t kMultiSz = 7;

// Texts the registry keeps in UTF-16: the export writes their hex bytes that way, and the program's
// single-byte view of them is what the in-memory hive holds.
bool IsTextType(uint32_t type) {
    return type == kSz || type == kExpandSz || type == kMultiSz;
}

bool IsControl(unsigned char c) {
    return c < 0x20 || c == 0x7F;
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : Cp1252ToUtf8(text)) {
        switch (c) {
        case '\\':
        case '"':
            out += '\\';
            out += c;
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\0':
            out += "\\0";
            break;
        default:
            out += c;
        }
    }
    return out + "\"";
}

std::string HexBytes(const std::string& data) {
    static const char* kDigits = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < data.size(); ++i) {
        const auto b = static_cast<unsigned char>(data[i]);
        if (i > 0)
            out += ',';
        out += kDigits[b >> 4];
        out += kDigits[b & 15];
    }
    return out;
}

// A text that reads back the same from a plain quoted string: one terminator, no control characters.
bool IsPlainText(const HiveValue& v) {
    return v.type == kSz && !v.data.empty() && v.data.back() == 0 &&
           std::none_of(v.data.begin(), v.data.end() - 1, [](uint8_t c) { return IsControl(c); });
}

// Reads a quoted text starting at `pos` (on the opening quote); leaves `pos` after the closing quote.
bool ReadQuoted(const std::string& line, size_t& pos, std::string& out) {
    if (pos >= line.size() || line[pos] != '"')
        return false;
    out.clear();
    for (++pos; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            ++pos;
            out = Utf8ToCp1252(out);
            return true;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= line.size())
            return false;
        switch (line[pos]) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case '0':
            out += '\0';
            break;
        case '\\':
        case '"':
            out += line[pos];
            break;
        default:
            return false;
        }
    }
    return false;
}

bool ReadHexList(const std::string& text, std::string& out) {
    out.clear();
    size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
            ++i;
    };
    skipBlanks();
    if (i == text.size())
        return true;
    for (;;) {
        skipBlanks();
        if (i + 1 >= text.size() || !std::isxdigit(static_cast<unsigned char>(text[i])) ||
            !std::isxdigit(static_cast<unsigned char>(text[i + 1])))
            return false;
        out += static_cast<char>(std::stoi(text.substr(i, 2), nullptr, 16));
        i += 2;
        skipBlanks();
        if (i == text.size())
            return true;
        if (text[i] != ',')
            return false;
        ++i;
    }
}

bool ReadHexData(const std::string& text, HiveValue& v) {
    std::string bytes;
    if (!ReadHexList(text, bytes))
        return false;
    if (IsTextType(v.type)) {
        if (bytes.size() % 2 != 0)
            return false; // half a UTF-16 unit
        bytes = Utf16LeToCp1252(bytes);
    }
    v.data.assign(bytes.begin(), bytes.end());
    return true;
}

bool ParseData(const std::string& text, HiveValue& v) {
    if (!text.empty() && text[0] == '"') {
        size_t pos = 0;
        std::string s;
        if (!ReadQuoted(text, pos, s) || text.find_first_not_of(" \t", pos) != std::string::npos)
            return false;
        v.type = kSz;
        v.data.assign(s.begin(), s.end());
        v.data.push_back(0);
        return true;
    }
    if (text.rfind("dword:", 0) == 0) {
        const std::string digits = text.substr(6);
        if (digits.empty() || digits.size() > 8)
            return false;
        for (char c : digits)
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return false;
        const uint32_t n = static_cast<uint32_t>(std::stoul(digits, nullptr, 16));
        v.type = kDword;
        v.data = {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8), static_cast<uint8_t>(n >> 16),
                  static_cast<uint8_t>(n >> 24)};
        return true;
    }
    if (text.rfind("hex:", 0) == 0) {
        v.type = kBinary;
        return ReadHexData(text.substr(4), v);
    }
    if (text.rfind("hex(", 0) == 0) {
        const size_t close = text.find("):");
        if (close == std::string::npos || close == 4 || close > 12)
            return false;
        const std::string type = text.substr(4, close - 4);
        for (char c : type)
            if (!std::isxdigit(static_cast<unsigned char>(c)))
                return false;
        v.type = static_cast<uint32_t>(std::stoul(type, nullptr, 16));
        return ReadHexData(text.substr(close + 2), v);
    }
    return false;
}

} // namespace

std::string FormatValueLine(const HiveValue& v) {
    std::string line = (v.name.empty() ? "@" : Quoted(v.name)) + "=";
    const std::string data(v.data.begin(), v.data.end());
    if (IsPlainText(v)) {
        line += Quoted(data.substr(0, data.size() - 1));
    } else if (v.type == kDword && v.data.size() == 4) {
        char buffer[16];
        const uint32_t n =
            v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) | (static_cast<uint32_t>(v.data[3]) << 24);
        std::snprintf(buffer, sizeof buffer, "dword:%08x", n);
        line += buffer;
    } else if (v.type == kBinary) {
        line += "hex:" + HexBytes(data);
    } else {
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "hex(%x):", v.type);
        line += buffer + HexBytes(IsTextType(v.type) ? Cp1252ToUtf16Le(data) : data);
    }
    return line;
}

bool ParseValueLine(const std::string& line, HiveValue& v) {
    size_t pos = 0;
    v.name.clear();
    if (!line.empty() && line[0] == '@')
        pos = 1;
    else if (!ReadQuoted(line, pos, v.name))
        return false;
    return pos < line.size() && line[pos] == '=' && ParseData(line.substr(pos + 1), v);
}

} // namespace tavrel
