#include "shell/config_command.h"

#include "common/typed_text.h"
#include "config/board_value_check.h"
#include "config/configuration.h"
#include "config/configuration_dialog_model.h"
#include "config/setting_edits.h"
#include "config/setting_names.h"
#include "mqtt/mqtt_settings.h"
#include "platform/console_text.h"
#include "platform/host_name.h"
#include "shell/config_damage.h"
#include "shell/program_context.h"
#include "shell/startup.h"
#include "shell/system_platform.h"

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <ostream>

namespace tavrel {

namespace {

// The window's message boxes without a window: kept to be told with the entry they belong to, or, while
// `echo` is on (loading and saving), written out at once. Questions take their default button.
class CommandBoxes final : public MessageBoxes {
public:
    explicit CommandBoxes(std::ostream& err) : err_(err) {}
    MsgResult Show(const MessageBoxRequest& request) override {
        if (request.title == kRegistryProblemTitle)
            registryProblem = true;
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
    bool registryProblem = false; // a hive file could not be read
    std::vector<MessageBoxRequest> shown;

private:
    std::ostream& err_;
};

// The stored configuration, or the defaults a first start would save when there is none of this version
// (as it saves them: the texts the program keeps filled in as the first save fills them).
void LoadSettings(ProgramContext& ctx, const CommandBoxes& boxes, std::ostream& err) {
    ctx.settings.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
    if (ctx.settings.ConfigVersion == kConfigVersionTag) {
        ctx.NewConfiguration().ConfigurationLoadFromReg();
        return;
    }
    if (!boxes.registryProblem)
        err << "tavreld: Tavrel is not configured yet: these are the defaults that the first start saves.\n";
    ApplyDefaultConfiguration(ctx);
    ApplySaveDefaults({&ctx.settings, &ctx.schedule.BoardArray, &ctx.schedule.RelayGroupColors}, ctx.folders);
}

bool IsMqtt(const SettingName& s) {
    return s.row->key == SettingKey::Mqtt;
}

// The MQTT settings as the program would use them, and which of them are stored.
struct MqttState {
    explicit MqttState(modRegAPI& reg) : reg_(&reg), settings(LoadMqttSettings(reg, HostName())) {}
    bool Stored(const std::string& name) const {
        return reg_->ReadRegValue(kHkeyLocalMachine, kMqttKey, name, RegReadMode::Check, false).has_value();
    }
    MqttShown Shown() const {
        return {settings, [this](const std::string& name) { return Stored(name); }};
    }

    modRegAPI* reg_;
    MqttSettings settings;
};

std::vector<ShownSetting> ShowAll(ConfigurationDialogModel& model, const ConfigurationTargets& targets,
                                  const MqttState& mqtt) {
    const MqttShown shownMqtt = mqtt.Shown();
    std::vector<ShownSetting> shown;
    for (const SettingName& s : AllSettingNames())
        shown.push_back(ShowSetting(s, model, targets, &shownMqtt));
    return shown;
}

void PrintLine(std::ostream& out, const SettingName& s, const ShownSetting& shown) {
    const std::string value = s.row->programText ? ConsoleTextFromProgram(shown.value) : shown.value;
    out << "  " << std::left << std::setw(22) << s.name << " ";
    if (shown.note.empty())
        out << value;
    else
        out << std::setw(14) << value << " (" << shown.note << ")";
    out << "\n";
}

// A bad stored value is listed as stored, and marked, not as the value the load kept in its place.
const BadSettingValue* BadValueOf(const std::vector<BadSettingValue>& bad, const std::string& name) {
    for (const BadSettingValue& b : bad)
        if (b.name == name)
            return &b;
    return nullptr;
}

void PrintAll(std::ostream& out, ConfigurationDialogModel& model, const ConfigurationTargets& targets,
              const MqttState& mqtt, const std::vector<BadSettingValue>& bad) {
    std::vector<ShownSetting> shown = ShowAll(model, targets, mqtt);
    for (size_t i = 0; i < shown.size(); ++i)
        if (const BadSettingValue* b = BadValueOf(bad, AllSettingNames()[i].name))
            shown[i] = {b->stored, "BAD: " + b->reason};
    std::string group;
    for (size_t i = 0; i < shown.size(); ++i) {
        const SettingName& s = AllSettingNames()[i];
        if (s.group != group) {
            group = s.group;
            out << (i == 0 ? "" : "\n") << "[" << group << "]\n";
        }
        PrintLine(out, s, shown[i]);
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

// What a set works on: the window's model and settings, the MQTT settings, and the MQTT rows it was
// given (only those are written: the key stays as it was for every other one).
struct SetWork {
    ConfigurationDialogModel& model;
    Settings& settings;
    CommandBoxes& boxes;
    MqttSettings& mqtt;
    std::istream& in;
    std::vector<const SettingName*> mqttSet;
};

// A password is read from standard input ("-"), never taken from the command line, where every user of
// the machine can see it.
bool PasswordValue(const std::string& given, std::istream& in, std::string& value, std::string& reason) {
    if (given != "-") {
        reason = "a password is not taken from the command line, where others can read it; give - and type "
                 "it, or pipe it in, on standard input";
        return false;
    }
    value.clear();
    std::getline(in, value);
    if (!value.empty() && value.back() == '\r')
        value.pop_back();
    return true;
}

// A name or text as typed into the console, in the program's text; false (with `reason`) when it holds a
// character the settings cannot hold. A password's character is not named: others may see the terminal.
bool ProgramTextValue(const SettingName& s, std::string& value, std::string& reason) {
    if (!s.row->programText)
        return true;
    const ConsoleEntry entry = ProgramTextFromConsole(value);
    if (entry.unholdable.empty()) {
        value = entry.text;
        return true;
    }
    reason = s.kind == SettingKind::MqttPassword
                 ? "it holds a character the settings cannot hold: they hold only the letters and signs of "
                   "Windows-1252 (Western European)"
                 : UnholdableReason({entry.text, entry.unholdable}, s.name);
    return false;
}

// One NAME VALUE through the window's model; false (after saying why) when refused.
bool ApplyOne(SetWork& work, const SettingName& s, std::string value, std::ostream& err) {
    work.boxes.shown.clear();
    std::string reason;
    const bool secret = s.kind == SettingKind::MqttPassword;
    const std::string said = secret ? "" : " \"" + value + "\"";
    const bool accepted = (!secret || PasswordValue(value, work.in, value, reason)) &&
                          ProgramTextValue(s, value, reason) &&
                          ApplySetting(work.model, work.settings, s, value, reason, &work.mqtt);
    if (accepted && IsMqtt(s))
        work.mqttSet.push_back(&s);
    if (!accepted)
        err << "tavreld: " << s.name << said << " refused:" << (reason.empty() ? "" : " " + reason) << "\n";
    for (const MessageBoxRequest& request : work.boxes.shown)
        work.boxes.Write(request, accepted ? "tavreld: " + s.name + ": " : "    ");
    return accepted;
}

// The set's NAME VALUE pairs, board types first: a type changes what the address fields accept, and in
// the window it is chosen before them.
bool ApplySets(SetWork& work, const std::vector<std::string>& words, std::ostream& err) {
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
        all = ApplyOne(work, *s, value, err) && all;
    return all;
}

// Writes the MQTT rows a set was given, and only those; a set that switches MQTT on gives the box its
// ClientId for good.
void WriteMqttRows(modRegAPI& reg, const SetWork& work) {
    const bool wasEnabled = MqttEnabled(reg);
    for (const SettingName* s : work.mqttSet)
        SaveMqttSetting(reg, *s->row, work.mqtt);
    StoreClientIdOnFirstEnable(reg, wasEnabled, HostName());
}

// The window's settings differ from what was loaded (in a row outside the MQTT key).
bool ConfigChanged(const std::vector<ShownSetting>& before, const std::vector<ShownSetting>& after) {
    for (size_t i = 0; i < after.size(); ++i)
        if (!IsMqtt(AllSettingNames()[i]) && after[i].value != before[i].value)
            return true;
    return false;
}

// A save writes every configuration value: one that holds a bad value must be given a good one in the
// same set, or the save would put the value the load kept in its place without a word.
bool BadValuesMended(const std::vector<BadSettingValue>& bad, const std::string& verb,
                     const std::vector<std::string>& args, std::ostream& err) {
    bool mended = true;
    for (const BadSettingValue& b : bad) {
        bool named = false;
        for (size_t i = 1; verb == "set" && i + 1 < args.size(); i += 2) {
            const SettingName* s = FindSettingName(args[i]);
            named = named || (s != nullptr && s->name == b.name);
        }
        if (!named) {
            err << "tavreld: " << BadSettingText(b) << "; set " << b.name
                << " in the same command, or the save would replace it unseen\n";
            mended = false;
        }
    }
    if (!mended)
        err << "tavreld: nothing saved.\n";
    return mended;
}

int SaveEdits(ProgramContext& ctx, SystemPlatform& system, ConfigurationDialogModel& model,
              const ConfigurationTargets& targets, MqttState& mqtt, const SetWork& work, bool saveConfig,
              const int32_t& saveResult, const std::string& home, std::ostream& out, std::ostream& err) {
    const std::vector<ShownSetting> before = ShowAll(model, targets, mqtt);
    const bool idStored = mqtt.Stored(SettingValueName(RowOf(&MqttSettings::ClientId), 0, 0));
    if (saveConfig)
        model.Save();
    int32_t mqttResult = kRegSuccess;
    if (!work.mqttSet.empty())
        mqttResult = system.registry->WriteTogether([&] { WriteMqttRows(ctx.regApi, work); });
    if (saveResult != kRegSuccess || mqttResult != kRegSuccess) {
        err << "tavreld: the settings could not be saved under " << home
            << "/registry: nothing was changed.\n";
        return 1;
    }
    mqtt = MqttState(ctx.regApi);
    const std::vector<ShownSetting> after = ShowAll(model, targets, mqtt);
    for (size_t i = 0; i < after.size(); ++i) {
        const SettingName& s = AllSettingNames()[i];
        const bool newId = !idStored && s.row == &RowOf(&MqttSettings::ClientId) && after[i].note.empty();
        if ((saveConfig && !IsMqtt(s) && after[i].value != before[i].value) || newId ||
            std::find(work.mqttSet.begin(), work.mqttSet.end(), &s) != work.mqttSet.end())
            PrintLine(out, s, after[i]);
    }
    out << "tavreld: saved. A running tavreld takes the change on SIGHUP (systemctl reload).\n";
    return 0;
}

} // namespace

int ConfigCommand(const std::string& home, const std::vector<std::string>& args, std::ostream& out,
                  std::ostream& err) {
    return ConfigCommand(home, args, std::cin, out, err);
}

int ConfigCommand(const std::string& home, const std::vector<std::string>& args, std::istream& in,
                  std::ostream& out, std::ostream& err) {
    const std::string verb = args.empty() ? "" : args[0];
    const bool usable = args.empty() || (verb == "set" && args.size() >= 3 && args.size() % 2 == 1) ||
                        ((verb == "preset" || verb == "reset") && args.size() == 2);
    if (!usable) {
        err << "tavreld: --config takes nothing, \"set NAME VALUE [NAME VALUE ...]\", \"preset "
            << kPresetWords << "\" or \"reset " << kResetWords << "\"; see --help\n";
        return 2;
    }
    // A change over a file that cannot be read would start from the defaults and put them in its place:
    // a service would then run on them, switching nothing.
    if (!args.empty())
        if (const std::vector<std::string> damage = ConfigurationDamage(home, DamageCheck::SettingsFile);
            !damage.empty()) {
            for (const std::string& line : damage)
                err << line << "\n";
            err << "tavreld: nothing saved.\n";
            return 1;
        }
    CommandBoxes boxes(err);
    // A listing only reads: it never writes, moves or makes a file, whatever state the hive is in.
    SystemPlatform system(home, boxes, args.empty() ? RegistryAccess::ReadOnly : RegistryAccess::ReadWrite);
    ProgramContext ctx(system.Services());
    LoadSettings(ctx, boxes, err);
    const bool configured = ctx.settings.ConfigVersion == kConfigVersionTag;
    MqttState mqtt(ctx.regApi);

    int32_t saveResult = kRegSuccess;
    const ConfigurationTargets targets{
        ctx.settings, ctx.schedule.BoardArray, ctx.schedule.RelayGroupColors, boxes, [&] {
            saveResult =
                system.registry->WriteTogether([&] { ctx.NewConfiguration().ConfigurationSaveToReg(); });
        }};
    ConfigurationDialogModel model(ConfigWindow::frmConfiguration, targets);
    const std::vector<BadSettingValue> bad =
        configured ? BadBoardValues(ctx.regApi) : std::vector<BadSettingValue>{};
    if (args.empty()) {
        PrintAll(out, model, targets, mqtt, bad);
        return 0;
    }

    const std::vector<ShownSetting> before = ShowAll(model, targets, mqtt);
    boxes.echo = false;
    SetWork work{model, ctx.settings, boxes, mqtt.settings, in, {}};
    bool accepted = true;
    if (verb == "set") {
        accepted = ApplySets(work, {args.begin() + 1, args.end()}, err);
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
    // A set of MQTT values alone leaves the configuration key as it is, stored or not.
    const bool onlyMqtt = verb == "set" && work.mqttSet.size() * 2 == args.size() - 1;
    if (!onlyMqtt && !BadValuesMended(bad, verb, args, err))
        return 1;
    const bool saveConfig =
        !onlyMqtt && (!configured || !bad.empty() || ConfigChanged(before, ShowAll(model, targets, mqtt)));
    if (!saveConfig && work.mqttSet.empty()) {
        out << "tavreld: nothing to change.\n";
        return 0;
    }
    return SaveEdits(ctx, system, model, targets, mqtt, work, saveConfig, saveResult, home, out, err);
}

} // namespace tavrel
