#pragma once
// The MQTT section of the configuration window: one field per MQTT row of the settings table (a row added
// to the table appears here by itself), each entry checked as `tavreld --config set` checks it; Save hands
// the rows that changed on, and nothing else.

#include "common/typed_text.h"
#include "config/mqtt_record.h"
#include "config/setting_names.h"
#include "platform/message_box.h"

#include <functional>
#include <string>
#include <vector>

namespace tavrel {

enum class MqttFieldKind { Check, Number, Text, Secret, File };

struct MqttField {
    const SettingName* setting;
    MqttFieldKind kind;
    std::string label;      // the caption beside it, with its "&" shortcut
    std::string accessible; // what a screen reader says
};

class MqttSettingsModel {
public:
    // `save` stores the changed rows of `now` and restarts the link with them.
    using SaveChanges =
        std::function<void(const MqttSettings& now, const std::vector<const SettingRow*>& changed)>;
    MqttSettingsModel(MqttSettings stored, SaveChanges save);

    const std::vector<MqttField>& Fields() const { return fields_; }
    // As the field shows it: "1" or "0" for a check box, the port's digits, the text.
    std::string Text(const MqttField& field) const;
    // False, with the same reason `--config set` gives, when the entry is refused; the field keeps its
    // last good value then.
    bool Leave(const MqttField& field, const TypedText& text, std::string& reason);

    // The settings as entered, saved or not (what "Test connection" tries).
    const MqttSettings& Entered() const { return entered_; }
    bool Changed() const { return entered_ != stored_; }
    std::vector<const SettingRow*> ChangedRows() const;
    void Save();
    void CancelChanges() { entered_ = stored_; }
    // Leaving with changes not saved asks whether to save them; false when the user stays.
    bool RequestClose(MessageBoxes& boxes);

private:
    MqttSettings stored_;
    MqttSettings entered_;
    SaveChanges save_;
    std::vector<MqttField> fields_;
};

} // namespace tavrel
