#include "shell/config_command.h"

#include "config/configuration.h"
#include "config/configuration_dialog_model.h"
#include "config/setting_edits.h"
#include "config/setting_names.h"
#include "shell/program_context.h"
#include "shell/startup.h"
#include "shell/system_platform.h"

#include <algorithm>
#include <iomanip>
#include <ostream>

namespace tavrel {

namespace {

// The window's message boxes without a window: kept to be told with the entry they belong to, or, while
// `echo` is on (loading and saving), written out at once. Questions take their default button.
class CommandBoxes final : public MessageBoxes {
public:
    explicit CommandBoxes(std::ostream& err) : err_(err) {}
    MsgResult Show(const MessageBoxRequest& request) override {
        if (echo)
            Write(request, "tavreld: ");
        else
            shown.push_back(request);
        return request.defaultButton;
    }
    void Write(const MessageBoxRequest& request, const std::string& lead) const {
        err_ << lead << request.title << "\n";
        for (const std::string& line : request.lines)
            err_ << (line.empty() ? "" : "    ") << line << "\n";
        if (request.buttons != MsgButtons::Ok)
            err_ << "    (answered " << MsgResultName(request.defaultButton) << ")\n";
    }

    bool echo = true;
    std::vector<MessageBoxRequest> shown;

private:
    std::ostream& err_;
};

// The stored configuration, or the defaults a first start would save when there is none of this version.
void LoadSettings(ProgramContext& ctx, std::ostream& err) {
    ctx.settings.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
    if (ctx.settings.ConfigVersion == kConfigVersionTag) {
        ctx.NewConfiguration().ConfigurationLoadFromReg();
        return;
    }
    err << "tavreld: Tavrel is not configured yet: these are the defaults that the first start saves.\n";
    ApplyDefaultConfiguration(ctx);
}

std::vector<ShownSetting> ShowAll(ConfigurationDialogModel& model, const ConfigurationTargets& targets) {
    std::vector<ShownSetting> shown;
    for (const SettingName& s : AllSettingNames())
        shown.push_back(ShowSetting(s, model, targets));
    return shown;
}

void PrintLine(std::ostream& out, const std::string& name, const ShownSetting& shown) {
    out << "  " << std::left << std::setw(22) << name << " ";
    if (shown.note.empty())
        out << shown.value;
    else
        out << std::setw(14) << shown.value << " (" << shown.note << ")";
    out << "\n";
}

void PrintAll(std::ostream& out, ConfigurationDialogModel& model, const ConfigurationTargets& targets) {
    const std::vector<ShownSetting> shown = ShowAll(model, targets);
    std::string group;
    for (size_t i = 0; i < shown.size(); ++i) {
        const SettingName& s = AllSettingNames()[i];
        if (s.group != group) {
            group = s.group;
            out << (i == 0 ? "" : "\n") << "[" << group << "]\n";
        }
        PrintLine(out, s.name, shown[i]);
    }
}

void PrintUnknownName(std::ostream& err, const std::string& name) {
    const std::vector<std::string> close = CloseSettingNames(name);
    err << "tavreld: no setting is named \"" << name << "\"";
    if (close.empty()) {
        err << "; tavreld --config lists them all\n";
        return;
    }
    err << "; did you mean ";
    for (size_t i = 0; i < close.size(); ++i)
        err << (i == 0 ? "" : i + 1 == close.size() ? " or " : ", ") << close[i];
    err << "?\n";
}

// One NAME VALUE through the window's model; false (after saying why) when refused.
bool ApplyOne(ConfigurationDialogModel& model, Settings& settings, CommandBoxes& boxes, const SettingName& s,
              const std::string& value, std::ostream& err) {
    boxes.shown.clear();
    std::string reason;
    const bool accepted = ApplySetting(model, settings, s, value, reason);
    if (!accepted && !reason.empty())
        err << "tavreld: " << s.name << " \"" << value << "\" refused: " << reason << "\n";
    else if (!accepted)
        err << "tavreld: " << s.name << " \"" << value << "\" refused:\n";
    for (const MessageBoxRequest& request : boxes.shown)
        boxes.Write(request, accepted ? "tavreld: " + s.name + ": " : "    ");
    return accepted;
}

// The set's NAME VALUE pairs, board types first: a type changes what the address fields accept, and in
// the window it is chosen before them.
bool ApplySets(ConfigurationDialogModel& model, Settings& settings, CommandBoxes& boxes,
               const std::vector<std::string>& words, std::ostream& err) {
    std::vector<std::pair<const SettingName*, std::string>> edits;
    bool known = true;
    for (size_t i = 0; i + 1 < words.size(); i += 2) {
        const SettingName* s = FindSettingName(words[i]);
        if (s == nullptr) {
            PrintUnknownName(err, words[i]);
            known = false;
        } else {
            edits.emplace_back(s, words[i + 1]);
        }
    }
    if (!known)
        return false;
    std::stable_partition(edits.begin(), edits.end(),
                          [](const auto& e) { return e.first->kind == SettingKind::ChipSetType; });
    bool all = true;
    for (const auto& [s, value] : edits)
        all = ApplyOne(model, settings, boxes, *s, value, err) && all;
    return all;
}

} // namespace

int ConfigCommand(const std::string& home, const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err) {
    const std::string verb = args.empty() ? "" : args[0];
    const bool usable = args.empty() || (verb == "set" && args.size() >= 3 && args.size() % 2 == 1) ||
                        ((verb == "preset" || verb == "reset") && args.size() == 2);
    if (!usable) {
        err << "tavreld: --config takes nothing, \"set NAME VALUE [NAME VALUE ...]\", \"preset "
            << kPresetWords << "\" or \"reset " << kResetWords << "\"; see --help\n";
        return 2;
    }
    CommandBoxes boxes(err);
    SystemPlatform system(home, boxes);
    ProgramContext ctx(system.Services());
    LoadSettings(ctx, err);
    const bool configured = ctx.settings.ConfigVersion == kConfigVersionTag;

    int32_t saveResult = kRegSuccess;
    const ConfigurationTargets targets{
        ctx.settings, ctx.schedule.BoardArray, ctx.schedule.RelayGroupColors, boxes, [&] {
            saveResult =
                system.registry->WriteTogether([&] { ctx.NewConfiguration().ConfigurationSaveToReg(); });
        }};
    ConfigurationDialogModel model(ConfigWindow::frmConfiguration, targets);
    if (args.empty()) {
        PrintAll(out, model, targets);
        return 0;
    }

    const std::vector<ShownSetting> before = ShowAll(model, targets);
    boxes.echo = false;
    bool accepted = true;
    if (verb == "set") {
        accepted = ApplySets(model, ctx.settings, boxes, {args.begin() + 1, args.end()}, err);
    } else if (!(verb == "preset" ? ApplyPreset(model, args[1]) : ApplyReset(model, args[1]))) {
        err << "tavreld: --config " << verb << " takes one of "
            << (verb == "preset" ? kPresetWords : kResetWords) << "\n";
        return 2;
    }
    boxes.echo = true;
    if (!accepted) {
        err << "tavreld: nothing saved.\n";
        return 1;
    }
    const auto same = [](const ShownSetting& a, const ShownSetting& b) { return a.value == b.value; };
    const std::vector<ShownSetting> edited = ShowAll(model, targets);
    if (configured && std::equal(before.begin(), before.end(), edited.begin(), edited.end(), same)) {
        out << "tavreld: nothing to change.\n";
        return 0;
    }
    model.Save();
    if (saveResult != kRegSuccess) {
        err << "tavreld: the settings could not be saved under " << home
            << "/registry: nothing was changed.\n";
        return 1;
    }
    const std::vector<ShownSetting> after = ShowAll(model, targets);
    for (size_t i = 0; i < after.size(); ++i)
        if (after[i].value != before[i].value)
            PrintLine(out, AllSettingNames()[i].name, after[i]);
    out << "tavreld: saved. A running tavreld takes the change on SIGHUP (systemctl reload).\n";
    return 0;
}

} // namespace tavrel
