#include "config/mqtt_settings_model.h"

#include "config/setting_edits.h"
#include "platform/hive/text_encoding.h"

#include <string_view>
#include <type_traits>

namespace tavrel {

namespace {

struct Caption {
    std::string_view name;
    const char* label;
    const char* accessible;
};

// The words for the rows the section knows; a row it does not know is shown under its registry name.
constexpr Caption kCaptions[] = {
    {"Enabled", "&Use MQTT", "Use MQTT"},
    {"Host", "&Host:", "Broker host name or address"},
    {"Port", "&Port:", "Broker port"},
    {"ClientId", "&Client id:", "Client id"},
    {"TopicPrefix", "&Topic prefix:", "Topic prefix"},
    {"Username", "User &name:", "User name"},
    {"Password", "Pass&word:", "Password"},
    {"TlsCaFile", "TLS CA &file:", "TLS certificate authority file"},
    {"TlsSystemCa", "Trust the &system's certificates", "Trust the system's certificates for TLS"},
    {"AcceptCommands", "&Accept commands", "Accept commands from the broker"},
    {"Discovery", "Home Assistant &discovery", "Home Assistant discovery"},
};

MqttFieldKind KindOf(const SettingName& s) {
    switch (s.kind) {
    case SettingKind::MqttFlag:
        return MqttFieldKind::Check;
    case SettingKind::MqttPort:
        return MqttFieldKind::Number;
    case SettingKind::MqttPassword:
        return MqttFieldKind::Secret;
    default:
        return std::string_view(s.name).ends_with("File") ? MqttFieldKind::File : MqttFieldKind::Text;
    }
}

MqttField FieldOf(const SettingName& s) {
    const MqttFieldKind kind = KindOf(s);
    for (const Caption& c : kCaptions)
        if (c.name == s.name)
            return {&s, kind, c.label, c.accessible};
    std::string label = s.name;
    if (kind != MqttFieldKind::Check)
        label.push_back(':');
    return {&s, kind, label, s.name};
}

// The row's value as its field shows it (the settings are a copy: the table hands out references).
std::string ValueText(const SettingRow& row, MqttSettings settings) {
    std::string text;
    WithSettingValue(row, {.mqtt = &settings}, 0, 0, [&](const auto& value) {
        using T = std::decay_t<decltype(value)>;
        if constexpr (std::is_same_v<T, std::string>)
            text = value;
        else if constexpr (std::is_same_v<T, bool>)
            text.assign(1, value ? '1' : '0');
        else
            text = std::to_string(value);
    });
    return text;
}

} // namespace

MqttSettingsModel::MqttSettingsModel(MqttSettings stored, SaveChanges save)
    : stored_(std::move(stored)), entered_(stored_), save_(std::move(save)) {
    for (const SettingName& s : AllSettingNames())
        if (s.row->group == SettingGroup::Mqtt)
            fields_.push_back(FieldOf(s));
}

std::string MqttSettingsModel::Text(const MqttField& field) const {
    return ValueText(*field.setting->row, entered_);
}

bool MqttSettingsModel::Leave(const MqttField& field, const TypedText& text, std::string& reason) {
    reason.clear();
    if (!text.unholdable.empty()) {
        reason = UnholdableReason(text, "this setting");
        return false;
    }
    MqttSettings tried = entered_;
    if (!ApplyMqttSetting(tried, *field.setting, text.text, reason)) {
        reason = Cp1252ToUtf8(reason); // it quotes the entry, in the settings' text
        return false;
    }
    entered_ = std::move(tried);
    return true;
}

std::vector<const SettingRow*> MqttSettingsModel::ChangedRows() const {
    std::vector<const SettingRow*> changed;
    for (const MqttField& f : fields_)
        if (ValueText(*f.setting->row, stored_) != ValueText(*f.setting->row, entered_))
            changed.push_back(f.setting->row);
    return changed;
}

void MqttSettingsModel::Save() {
    const std::vector<const SettingRow*> changed = ChangedRows();
    if (changed.empty())
        return;
    if (save_)
        save_(entered_, changed);
    stored_ = entered_;
}

bool MqttSettingsModel::RequestClose(MessageBoxes& boxes) {
    if (!Changed())
        return true;
    const MsgResult answer = boxes.Show({MsgIcon::Question,
                                         "MQTT Settings",
                                         {"The MQTT settings have changed.", "", "Save them?"},
                                         MsgButtons::YesNoCancel,
                                         MsgResult::Yes});
    if (answer == MsgResult::Cancel)
        return false;
    if (answer == MsgResult::Yes)
        Save();
    else
        CancelChanges();
    return true;
}

} // namespace tavrel
