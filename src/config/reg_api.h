#pragma once
// modRegAPI: the program's only way into the registry. Reads always return a text; failures show a
// diagnostic when asked to and never reach the caller.

#include "platform/message_box.h"
#include "platform/registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

inline constexpr const char* kRegKeyNotFound = "REGKEYNOTFOUND";
inline constexpr const char* kRegValueNameNotFound = "REGVALUENAMENOTFOUND";

class modRegAPI {
public:
    modRegAPI(Registry& registry, MessageBoxes& boxes) : registry_(registry), boxes_(boxes) {}

    // `mode`: "ABSOLUTE", "CHECK", or any other text (which acts as "ABSOLUTE" but for a missing key).
    std::string ReadRegValue(int32_t root, const std::string& subKey, const std::string& valueName,
                             const std::string& mode, bool showErrors);
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
    void Diagnostic(std::vector<std::string> lines);
    void RuntimeFailure(const std::string& description);

    Registry& registry_;
    MessageBoxes& boxes_;
};

} // namespace tavrel
