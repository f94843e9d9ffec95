#include "config/reg_api.h"

#include "common/vb_conversions.h"

#include <cstdio>

namespace tavrel {

namespace {

// Closes an opened key when the call that opened it returns, whichever way it returns.
class KeyGuard {
public:
    KeyGuard(Registry& registry, RegHandle key) : registry_(registry), key_(key) {}
    ~KeyGuard() { registry_.CloseKey(key_); }
    KeyGuard(const KeyGuard&) = delete;
    KeyGuard& operator=(const KeyGuard&) = delete;

private:
    Registry& registry_;
    RegHandle key_;
};

constexpr const char* kTitle = "Tavrel";

std::string N(int64_t n) {
    return std::to_string(n);
}

std::string HexText(const std::vector<uint8_t>& bytes) {
    std::string out;
    char buffer[4];
    for (uint8_t b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", b);
        out += buffer;
    }
    return out;
}

// The raw read buffer as a text, as far as its first NUL.
std::string BufferText(const std::vector<uint8_t>& bytes) {
    std::string out;
    for (uint8_t b : bytes) {
        if (b == 0)
            break;
        out += static_cast<char>(b);
    }
    return out;
}

} // namespace

void modRegAPI::Diagnostic(std::vector<std::string> lines) {
    boxes_.Tell(MsgIcon::None, kTitle, std::move(lines));
}

void modRegAPI::RuntimeFailure(const std::string& description) {
    boxes_.Tell(MsgIcon::None, kTitle, {description});
}

namespace {

uint32_t LittleEndian32(const std::vector<uint8_t>& b) {
    return b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

// Reads a text or number value of known type and size into `text`; the query's status, -1 for a type
// that is not read.
int64_t ReadKnownType(Registry& registry, RegHandle key, const std::string& valueName, uint32_t type,
                      uint32_t& size, std::vector<uint8_t>& buffer, std::string& text) {
    if (type == kRegSz) {
        buffer.assign(size, 0);
        const int32_t status = registry.QueryValue(key, valueName, type, buffer.data(), size);
        if (status == kRegSuccess)
            text.assign(buffer.begin(), buffer.begin() + (size > 0 ? size - 1 : 0));
        return status;
    }
    if (type == kRegDword) {
        buffer.assign(4, 0);
        uint32_t four = 4;
        const int32_t status = registry.QueryValue(key, valueName, type, buffer.data(), four);
        if (status == kRegSuccess)
            text = N(static_cast<int32_t>(LittleEndian32(buffer)));
        return status;
    }
    if (type == kRegBinary) {
        buffer.assign(size, 0);
        const int32_t status = registry.QueryValue(key, valueName, type, buffer.data(), size);
        if (status == kRegSuccess) {
            buffer.resize(size);
            text = HexText(buffer);
        }
        return status;
    }
    return -1;
}

} // namespace

std::optional<std::string> modRegAPI::ReadRegValue(int32_t root, const std::string& subKey,
                                                   const std::string& valueName, RegReadMode mode,
                                                   bool showErrors) {
    std::string text;
    if (Read(root, subKey, valueName, mode, showErrors, text) != RegReadEnd::Read)
        return std::nullopt;
    return text;
}

std::string modRegAPI::ReadRegValueCheck(int32_t root, const std::string& subKey,
                                         const std::string& valueName, bool showErrors) {
    std::string text;
    switch (Read(root, subKey, valueName, RegReadMode::Check, showErrors, text)) {
    case RegReadEnd::KeyMissing:
        return kRegKeyNotFound;
    case RegReadEnd::ValueMissing:
        return kRegValueNameNotFound;
    case RegReadEnd::Unreadable:
        return "";
    case RegReadEnd::Read:
        break;
    }
    return text;
}

RegReadEnd modRegAPI::Read(int32_t root, const std::string& subKey, const std::string& valueName,
                           RegReadMode mode, bool showErrors, std::string& text) {
    RegHandle key = 0;
    const int32_t opened = registry_.OpenKey(root, subKey, kKeyQueryValue, key);
    if (opened != kRegSuccess) {
        if (mode == RegReadMode::Absolute && showErrors)
            Diagnostic({"Could not open key", "ReadRegValue,   RegOpenKeyEx", "   Root:" + N(root),
                        " SubKey:" + subKey, "ValName:" + valueName, "Result:" + N(opened)});
        return RegReadEnd::KeyMissing;
    }
    const KeyGuard guard(registry_, key);
    return ReadOpenKey(key, root, subKey, valueName, mode, showErrors, text);
}

RegReadEnd modRegAPI::ReadOpenKey(RegHandle key, int32_t root, const std::string& subKey,
                                  const std::string& valueName, RegReadMode mode, bool showErrors,
                                  std::string& text) {
    const bool check = mode == RegReadMode::Check;
    uint32_t type = 0;
    uint32_t size = 0;
    if (registry_.QueryValue(key, valueName, type, nullptr, size) != kRegSuccess) {
        if (check)
            return RegReadEnd::ValueMissing;
        // Read on as a value of no type, which fails below with its diagnostic.
        type = 0;
        size = 0;
    }
    if (type == kRegSz && size == 0) {
        // A text value must at least hold its terminator.
        RuntimeFailure("Invalid procedure call or argument");
        return RegReadEnd::Unreadable;
    }
    std::vector<std::string> notice{"Read Binary DataType, Not Tested (09/12/2002)",
                                    "ReadRegValue,   RegOpenKeyEx",
                                    "   Root:" + N(root),
                                    " SubKey:" + subKey,
                                    "ValName:" + valueName,
                                    "Begin"};
    if (type == kRegBinary)
        boxes_.Tell(MsgIcon::None, kTitle, notice);
    std::vector<uint8_t> buffer;
    const int64_t status = ReadKnownType(registry_, key, valueName, type, size, buffer, text);
    if (type == kRegBinary) {
        notice.back() = "End";
        boxes_.Tell(MsgIcon::None, kTitle, notice);
    }
    if (status == kRegSuccess)
        return RegReadEnd::Read;
    if (showErrors) {
        std::vector<std::string> lines =
            check ? std::vector<std::string>{"Could not read Key", "ReadRegValue (CHECK), Varied",
                                             "    Key:" + valueName, "ValName:" + valueName}
                  : std::vector<std::string>{"Could not read Key", "ReadRegValue (ABSOLUTE), Varied",
                                             "Key:" + valueName, "ValName:" + valueName};
        for (const std::string& line : {"  lType:" + N(type), "  Value:" + BufferText(buffer),
                                        "   lcch:" + N(size), "Ret/lrc:" + N(status)})
            lines.push_back(line);
        Diagnostic(std::move(lines));
    }
    text.clear();
    return RegReadEnd::Unreadable;
}

void modRegAPI::SetNewValue(int32_t root, const std::string& subKey, const std::string& type,
                            const std::string& valueName, const std::string& value, bool showErrors) {
    if (value.empty()) {
        if (showErrors)
            Diagnostic({"Bad input to creat value", "SetNewValue", "Value:" + value});
        return;
    }
    RegHandle key = 0;
    const int32_t created = registry_.CreateKey(root, subKey, kKeyAllAccess, key);
    if (created != kRegSuccess) {
        if (showErrors)
            Diagnostic({"Could not Open/Create key", "SetNewValue, RegCreateKeyEx", "   Root:" + N(root),
                        " SubKey:" + subKey, "   Type:" + type, "ValName:" + valueName, "  Value:" + value,
                        " Result:" + N(created)});
        return;
    }
    const KeyGuard guard(registry_, key);
    int32_t written = kRegSuccess;
    if (type == "String") {
        std::vector<uint8_t> bytes(value.begin(), value.end());
        bytes.push_back(0);
        written =
            registry_.SetValue(key, valueName, kRegSz, bytes.data(), static_cast<uint32_t>(bytes.size()));
    } else if (type == "Number") {
        const double rounded = RoundHalfEven(LeadingNumber(value));
        if (rounded < INT32_MIN || rounded > INT32_MAX) {
            RuntimeFailure("Overflow");
            return;
        }
        const auto n = static_cast<uint32_t>(static_cast<int32_t>(rounded));
        const uint8_t bytes[4] = {static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8),
                                  static_cast<uint8_t>(n >> 16), static_cast<uint8_t>(n >> 24)};
        written = registry_.SetValue(key, valueName, kRegDword, bytes, 4);
    } else {
        if (showErrors)
            Diagnostic({"Bad input to create value", "SetNewValue", "Type:" + type});
        return;
    }
    if (written != kRegSuccess && showErrors)
        Diagnostic({"Could not set value", "SetNewValue", "   Root:" + N(root), " SubKey:" + subKey,
                    "   Type:" + type, "ValName:" + valueName, "  Value:" + value});
    registry_.CloseKey(key);
}

void modRegAPI::DeleteRegValue(int32_t root, const std::string& subKey, const std::string& valueName,
                               bool showErrors) {
    RegHandle key = 0;
    const int32_t opened = registry_.OpenKey(root, subKey, kKeySetValue, key);
    if (opened != kRegSuccess) {
        if (showErrors)
            Diagnostic({"Could not open key", "DeleteRegValue, RegOpenKeyEx", "  Root:" + N(root),
                        "SubKey:" + subKey, "Result:" + N(opened)});
        return;
    }
    const int32_t deleted = registry_.DeleteValue(key, valueName);
    if (deleted != kRegSuccess && showErrors)
        Diagnostic({"Could not delete key value", "DeleteRegValue, RegDeleteValue", "  Root:" + N(root),
                    "SubKey:" + subKey, "Result:" + N(deleted)});
    registry_.CloseKey(key);
}

void modRegAPI::DeleteRegKey(int32_t root, const std::string& subKey, bool showErrors) {
    RegHandle key = 0;
    const int32_t opened = registry_.OpenKey(root, subKey, kKeySetValue, key);
    if (opened != kRegSuccess) {
        if (showErrors)
            Diagnostic({"Could not open key", "DeleteRegKey,   RegOpenKeyEx", "  Root:" + N(root),
                        "SubKey:" + subKey, "Result:" + N(opened)});
        return;
    }
    registry_.CloseKey(key);
    const int32_t deleted = registry_.DeleteKey(root, subKey);
    if (deleted != kRegSuccess && showErrors)
        Diagnostic({"Could not delete key", "DeleteRegKey, RegDeleteKey", "  Root:" + N(root),
                    "SubKey:" + subKey, "Result:" + N(deleted)});
}

bool modRegAPI::VerifyCreateRegKey(int32_t root, const std::string& subKey, bool showErrors) {
    RegHandle key = 0;
    const int32_t created = registry_.CreateKey(root, subKey, kKeyAllAccess, key);
    if (created != kRegSuccess) {
        if (showErrors)
            Diagnostic({"Could not open Key", "VerifyCreateRegKey, RegCreateKeyEx", "  Root:" + N(root),
                        "SubKey:" + subKey, "Result:" + N(created)});
        return false;
    }
    registry_.CloseKey(key);
    return true;
}

} // namespace tavrel
