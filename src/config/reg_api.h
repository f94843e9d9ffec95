#pragma once
// modRegAPI: the program's only way into the registry. Failures show a diagnostic when asked to and never
// reach the caller; a read gives the value, or nothing when there was none to read.

#include "platform/message_box.h"
#include "platform/registry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

inline constexpr const char* kRegKeyNotFound = "REGKEYNOTFOUND";
inline constexpr const char* kRegValueNameNotFound = "REGVALUENAMENOTFOUND";

enum class RegReadMode {
    // Every absence is a failure: a missing key or value gives a diagnostic.
    Absolute,
    // Probing: a missing key or value is an answer, never a diagnostic.
    Check,
    // The configuration store's: a missing key is quietly nothing (nothing is configured yet, which the
    // first-run check relies on), a missing value gives a diagnostic.
    Store,
};

// How a read ended, for the probing read's sentinels.
enum class RegReadEnd { Read, KeyMissing, ValueMissing, Unreadable };

class modRegAPI {
public:
    modRegAPI(Registry& registry, MessageBoxes& boxes) : registry_(registry), boxes_(boxes) {}

    // Nothing when the key or the value is missing or the value cannot be read; which of these the
    // diagnostics tell (with `showErrors`) depends on the mode.
    std::optional<std::string> ReadRegValue(int32_t root, const std::string& subKey,
                                            const std::string& valueName, RegReadMode mode, bool showErrors);
    // The probing read: the value, or "REGKEYNOTFOUND" / "REGVALUENAMENOTFOUND", or "" when unreadable.
    std::string ReadRegValueCheck(int32_t root, const std::string& subKey, const std::string& valueName,
                                  bool showErrors);
    // `type`: "String" or "Number".
    void SetNewValue(int32_t root, const std::string& subKey, const std::string& type,
                     const std::string& valueName, const std::string& value, bool showErrors);
    void DeleteRegValue(int32_t root, const std::string& subKey, const std::string& valueName,
                        bool showErrors);
    void DeleteRegKey(int32_t root, const std::string& subKey, bool showErrors);
    bool VerifyCreateRegKey(int32_t root, const std::string& subKey, bool showErrors);

private:
    RegReadEnd Read(int32_t root, const std::string& subKey, const std::string& valueName, RegReadMode mode,
                    bool showErrors, std::string& text);
    RegReadEnd ReadOpenKey(RegHandle key, int32_t root, const std::string& subKey,
                           const std::string& valueName, RegReadMode mode, bool showErrors,
                           std::string& text);
    void Diagnostic(std::vector<std::string> lines);
    void RuntimeFailure(const std::string& description);

    Registry& registry_;
    MessageBoxes& boxes_;
};

} // namespace tavrel
