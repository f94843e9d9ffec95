#include "shell/config_damage.h"

#include "config/board_value_check.h"
#include "config/configuration.h"
#include "platform/file_io.h"
#include "platform/registry.h"

#include <memory>

namespace tavrel {

namespace {

// Reads answer quietly: what is wrong is said once, by the caller.
class SilentBoxes final : public MessageBoxes {
public:
    MsgResult Show(const MessageBoxRequest& request) override { return request.defaultButton; }
};

std::string SettingsPlace(const std::string& home) {
    const std::string file = SettingsHiveFile(home);
    return file.empty() ? std::string("the registry key HKEY_LOCAL_MACHINE\\") + kConfigKey : file;
}

} // namespace

std::vector<std::string> ConfigurationDamage(const std::string& home, DamageCheck what) {
    // A home that cannot be written stops the start anyway, with its own message: a settings file that
    // cannot be read there is no damage of its own.
    if (FolderWritable(home) != 0)
        return {};
    std::vector<std::string> reported;
    const std::unique_ptr<Registry> registry = MakeSystemRegistry(
        home, [&reported](const std::vector<std::string>& lines) { reported = lines; },
        RegistryAccess::ReadOnly);
    SilentBoxes boxes;
    modRegAPI reg(*registry, boxes);
    const std::string version =
        reg.ReadRegValueCheck(kHkeyLocalMachine, kConfigKey, kConfigVersionName, false);
    const std::string place = SettingsPlace(home);
    if (!reported.empty())
        return {
            "tavreld: the settings file " + place +
                " does not read cleanly: " + (reported.size() > 1 ? reported[1] : std::string("damaged")),
            "tavreld: it is left as it is and nothing is written. Mend it where the line above says, or move "
            "it aside to start again from the default settings."};
    if (version == kRegKeyNotFound || version == kRegValueNameNotFound) {
        const std::vector<std::string> copies = DamagedRegistryCopies(home);
        if (copies.empty())
            return {}; // a first start: the defaults are saved
        return {"tavreld: no settings are stored in " + place + ", but " + copies.back() +
                    " holds settings that were kept aside because they did not read cleanly.",
                "tavreld: mend that copy and move it back to " + place +
                    ", or remove it to start from the default settings."};
    }
    if (version != kConfigVersionTag || what == DamageCheck::SettingsFile)
        return {};
    const std::vector<BadSettingValue> bad = BadBoardValues(reg);
    std::vector<std::string> lines;
    for (const BadSettingValue& b : bad)
        lines.push_back("tavreld: bad board value in " + place + ": " + BadSettingText(b));
    if (!lines.empty())
        lines.push_back("tavreld: nothing is written; mend it with tavreld --config set NAME VALUE.");
    return lines;
}

} // namespace tavrel
