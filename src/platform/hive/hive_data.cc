#include "platform/hive/hive_data.h"

#include "platform/hive/text_encoding.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace tavrel {

namespace {

constexpr const char* kHeader = "Windows Registry Editor Version 5.00";
constexpr uint32_t kSz = 1;
constexpr uint32_t kBinary = 3;
constexpr uint32_t kDword = 4;

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool IsUnder(const std::string& path, const std::string& parent) {
    return path.size() > parent.size() + 1 && path[parent.size()] == '\\' &&
           SameName(path.substr(0, parent.size()), parent);
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out;
}

std::string HexBytes(const std::vector<uint8_t>& data) {
    static const char* kDigits = "0123456789abcdef";
    std::string out;
    for (size_t i = 0; i < data.size(); ++i) {
        if (i > 0)
            out += ',';
        out += kDigits[data[i] >> 4];
        out += kDigits[data[i] & 15];
    }
    return out;
}

std::string FormatValue(const HiveValue& v) {
    std::string line = v.name.empty() ? "@" : "\"" + Escape(Cp1252ToUtf8(v.name)) + "\"";
    line += '=';
    const bool plainText = v.type == kSz && !v.data.empty() && v.data.back() == 0 &&
                           std::find(v.data.begin(), v.data.end() - 1, 0) == v.data.end() - 1;
    if (plainText) {
        line += "\"" + Escape(Cp1252ToUtf8(std::string(v.data.begin(), v.data.end() - 1))) + "\"";
    } else if (v.type == kDword && v.data.size() == 4) {
        char buffer[16];
        const uint32_t n =
            v.data[0] | (v.data[1] << 8) | (v.data[2] << 16) | (static_cast<uint32_t>(v.data[3]) << 24);
        std::snprintf(buffer, sizeof buffer, "dword:%08x", n);
        line += buffer;
    } else if (v.type == kBinary) {
        line += "hex:" + HexBytes(v.data);
    } else {
        char buffer[24];
        std::snprintf(buffer, sizeof buffer, "hex(%x):", v.type);
        line += buffer + HexBytes(v.data);
    }
    return line;
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
            return true;
        }
        if (c == '\\') {
            if (++pos >= line.size())
                return false;
            const char e = line[pos];
            if (e == 'n')
                out += '\n';
            else if (e == '\\' || e == '"')
                out += e;
            else
                return false;
        } else {
            out += c;
        }
    }
    return false;
}

bool ReadHexList(const std::string& text, std::vector<uint8_t>& out) {
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
        out.push_back(static_cast<uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
        i += 2;
        skipBlanks();
        if (i == text.size())
            return true;
        if (text[i] != ',')
            return false;
        ++i;
    }
}

bool ParseData(const std::string& text, HiveValue& v) {
    if (!text.empty() && text[0] == '"') {
        size_t pos = 0;
        std::string s;
        if (!ReadQuoted(text, pos, s) || text.find_first_not_of(" \t", pos) != std::string::npos)
            return false;
        s = Utf8ToCp1252(s);
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
        return ReadHexList(text.substr(4), v.data);
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
        return ReadHexList(text.substr(close + 2), v.data);
    }
    return false;
}

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

} // namespace

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

HiveValue* HiveKey::FindValue(const std::string& name) {
    for (HiveValue& v : values)
        if (SameName(v.name, name))
            return &v;
    return nullptr;
}

void HiveKey::SetValue(const std::string& name, uint32_t type, std::vector<uint8_t> data) {
    if (HiveValue* v = FindValue(name)) {
        v->type = type;
        v->data = std::move(data);
        return;
    }
    values.push_back({name, type, std::move(data)});
}

bool HiveKey::EraseValue(const std::string& name) {
    for (auto it = values.begin(); it != values.end(); ++it)
        if (SameName(it->name, name)) {
            values.erase(it);
            return true;
        }
    return false;
}

HiveKey* HiveData::FindKey(const std::string& path) {
    for (HiveKey& k : keys_)
        if (SameName(k.path, path))
            return &k;
    return nullptr;
}

HiveKey& HiveData::EnsureKey(const std::string& path) {
    if (HiveKey* k = FindKey(path))
        return *k;
    // Parents down to the first level below the root, as an export lists them; never the root itself.
    const size_t slash = path.find_last_of('\\');
    if (slash != std::string::npos && path.find('\\') < slash)
        EnsureKey(path.substr(0, slash));
    keys_.push_back({path, {}});
    return keys_.back();
}

bool HiveData::HasSubKeys(const std::string& path) const {
    for (const HiveKey& k : keys_)
        if (IsUnder(k.path, path))
            return true;
    return false;
}

bool HiveData::EraseKey(const std::string& path) {
    for (auto it = keys_.begin(); it != keys_.end(); ++it)
        if (SameName(it->path, path)) {
            keys_.erase(it);
            return true;
        }
    return false;
}

std::optional<HiveData> ParseHive(const std::string& fileBytes, std::string& error) {
    std::string text;
    if (fileBytes.size() >= 2 && static_cast<unsigned char>(fileBytes[0]) == 0xFF &&
        static_cast<unsigned char>(fileBytes[1]) == 0xFE)
        text = Utf16LeToUtf8(fileBytes.substr(2));
    else if (fileBytes.rfind("\xEF\xBB\xBF", 0) == 0)
        text = fileBytes.substr(3);
    else
        text = fileBytes;

    const std::vector<std::string> lines = SplitLines(text);
    size_t n = 0;
    while (n < lines.size() && lines[n].empty())
        ++n;
    if (n == lines.size() || lines[n] != kHeader) {
        error = "line " + std::to_string(n + 1) + ": the file does not begin with \"" + kHeader + "\"";
        return std::nullopt;
    }
    HiveData hive;
    HiveKey* key = nullptr;
    for (++n; n < lines.size(); ++n) {
        std::string line = lines[n];
        const size_t lineNumber = n + 1;
        if (line.empty() || line[0] == ';')
            continue;
        if (line[0] == '[') {
            if (line.back() != ']' || line.size() < 3 || line[1] == '-') {
                error = "line " + std::to_string(lineNumber) + ": a key line must read [path]";
                return std::nullopt;
            }
            key = &hive.EnsureKey(Utf8ToCp1252(line.substr(1, line.size() - 2)));
            continue;
        }
        // A value line, perhaps continued with a trailing backslash (long hex lists).
        while (!line.empty() && line.back() == '\\' && line.find("=hex") != std::string::npos &&
               n + 1 < lines.size()) {
            line.pop_back();
            std::string next = lines[++n];
            line += next.substr(next.find_first_not_of(" \t") == std::string::npos
                                    ? next.size()
                                    : next.find_first_not_of(" \t"));
        }
        HiveValue value;
        size_t pos = 0;
        if (line[0] == '@') {
            pos = 1;
        } else if (!ReadQuoted(line, pos, value.name)) {
            error = "line " + std::to_string(lineNumber) + ": a value line must begin with \"name\" or @";
            return std::nullopt;
        }
        value.name = Utf8ToCp1252(value.name);
        if (key == nullptr || pos >= line.size() || line[pos] != '=' ||
            !ParseData(line.substr(pos + 1), value)) {
            error = "line " + std::to_string(lineNumber) + ": cannot read the value \"" + value.name + "\"";
            return std::nullopt;
        }
        key->SetValue(value.name, value.type, std::move(value.data));
    }
    return hive;
}

std::string FormatHive(const HiveData& hive) {
    std::string out = std::string(kHeader) + "\r\n\r\n";
    for (const HiveKey& k : hive.Keys()) {
        out += "[" + Cp1252ToUtf8(k.path) + "]\r\n";
        for (const HiveValue& v : k.values)
            out += FormatValue(v) + "\r\n";
        out += "\r\n";
    }
    return out;
}

} // namespace tavrel
