#pragma once
// One registry hive in memory, and its registry-export text ("Windows Registry Editor Version 5.00").

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

struct HiveValue {
    std::string name; // "" is the key's default value ("@")
    uint32_t type = 0;
    std::vector<uint8_t> data;
};

struct HiveKey {
    std::string path; // full path with the root: HKEY_LOCAL_MACHINE\SOFTWARE\Tavrel\Config
    std::vector<HiveValue> values;

    HiveValue* FindValue(const std::string& name);
    // Whether the value changed: setting what is already there changes nothing.
    bool SetValue(const std::string& name, uint32_t type, std::vector<uint8_t> data);
    bool EraseValue(const std::string& name);
};

// Keys in file order; names compare without regard to ASCII case, as Windows compares them.
class HiveData {
public:
    HiveKey* FindKey(const std::string& path);
    // The key, created with any missing parents.
    HiveKey& EnsureKey(const std::string& path);
    bool HasSubKeys(const std::string& path) const;
    bool EraseKey(const std::string& path);
    const std::vector<HiveKey>& Keys() const { return keys_; }

private:
    std::vector<HiveKey> keys_;
};

bool SameName(const std::string& a, const std::string& b);

// Reads the text of a hive file: UTF-8 (with or without a byte-order mark) or UTF-16LE with its mark,
// CR LF or LF line ends. Texts come back in the program's single-byte code page. A file that is not
// well-formed in its encoding (a UTF-16 file cut on an odd byte, say) does not read: on failure `error`
// says which line is wrong.
std::optional<HiveData> ParseHive(const std::string& fileBytes, std::string& error);

// The file text: UTF-8, CR LF line ends, keys in order, a blank line after each key. No line break,
// carriage return or NUL ever appears inside a line, and ParseHive reads the text back as `hive`.
std::string FormatHive(const HiveData& hive);

} // namespace tavrel
