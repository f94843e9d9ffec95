#include "platform/hive/hive_data.h"

#include "platform/hive/hive_values.h"
#include "platform/hive/text_encoding.h"

#include <algorithm>
#include <cctype>

namespace tavrel {

namespace {

constexpr const char* kHeader = "Windows Registry Editor Version 5.00";

char Lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool IsUnder(const std::string& path, const std::string& parent) {
    return path.size() > parent.size() + 1 && path[parent.size()] == '\\' &&
           SameName(path.substr(0, parent.size()), parent);
}

std::string LineError(size_t lineNumber, const std::string& what) {
    return "line " + std::to_string(lineNumber) + ": " + what;
}

// The file's text as UTF-8, or the reason (and line) it is not well-formed UTF-8 or UTF-16LE.
bool DecodeText(const std::string& fileBytes, std::string& text, std::string& error) {
    auto lineOf = [](const std::string& before) {
        return static_cast<size_t>(std::count(before.begin(), before.end(), '\n')) + 1;
    };
    if (fileBytes.size() >= 2 && static_cast<unsigned char>(fileBytes[0]) == 0xFF &&
        static_cast<unsigned char>(fileBytes[1]) == 0xFE) {
        const std::string body = fileBytes.substr(2);
        const size_t bad = Utf16LeDamageAt(body);
        text = Utf16LeToUtf8(body.substr(0, bad));
        if (bad == std::string::npos)
            return true;
        error = LineError(lineOf(text), bad + 1 == body.size()
                                            ? "the file ends half-way through a UTF-16 character"
                                            : "the text is not well-formed UTF-16");
        return false;
    }
    text = fileBytes.rfind("\xEF\xBB\xBF", 0) == 0 ? fileBytes.substr(3) : fileBytes;
    const size_t bad = Utf8DamageAt(text);
    if (bad == std::string::npos)
        return true;
    error = LineError(lineOf(text.substr(0, bad)), "the text is not well-formed UTF-8");
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

bool HiveKey::SetValue(const std::string& name, uint32_t type, std::vector<uint8_t> data) {
    if (HiveValue* v = FindValue(name)) {
        if (v->type == type && v->data == data)
            return false;
        v->type = type;
        v->data = std::move(data);
        return true;
    }
    values.push_back({name, type, std::move(data)});
    return true;
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
    if (!DecodeText(fileBytes, text, error))
        return std::nullopt;
    const std::vector<std::string> lines = SplitLines(text);
    size_t n = 0;
    while (n < lines.size() && lines[n].empty())
        ++n;
    if (n == lines.size() || lines[n] != kHeader) {
        error = LineError(n + 1, std::string("the file does not begin with \"") + kHeader + "\"");
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
            // A key's path cannot hold a line break, so neither a carriage return nor a NUL is taken.
            if (line.back() != ']' || line.size() < 3 || line[1] == '-' ||
                line.find_first_of(std::string("\r\0", 2)) != std::string::npos) {
                error = LineError(lineNumber, "a key line must read [path]");
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
        if (line[0] != '@' && line[0] != '"') {
            error = LineError(lineNumber, "a value line must begin with \"name\" or @");
            return std::nullopt;
        }
        HiveValue value;
        if (key == nullptr || !ParseValueLine(line, value)) {
            error = LineError(lineNumber, "cannot read the value \"" + value.name + "\"");
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
            out += FormatValueLine(v) + "\r\n";
        out += "\r\n";
    }
    return out;
}

} // namespace tavrel
