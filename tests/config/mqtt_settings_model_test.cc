// The MQTT section's model: its fields come from the settings table, entries are checked as
// `--config set` checks them, and Save hands on only what changed.

#include "config/mqtt_settings_model.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

const MqttField& FieldNamed(const MqttSettingsModel& m, const std::string& name) {
    for (const MqttField& f : m.Fields())
        if (f.setting->name == name)
            return f;
    throw std::runtime_error("no field " + name);
}

TEST(MqttSettingsModelTest, EveryMqttRowIsAFieldWithAnAccessibleName) {
    const MqttSettingsModel m({}, {});
    size_t rows = 0;
    for (const SettingName& s : AllSettingNames())
        rows += s.row->group == SettingGroup::Mqtt ? 1 : 0;
    ASSERT_EQ(m.Fields().size(), rows);
    for (const MqttField& f : m.Fields())
        EXPECT_FALSE(f.accessible.empty()) << f.setting->name;
    EXPECT_EQ(FieldNamed(m, "Password").kind, MqttFieldKind::Secret);
    EXPECT_EQ(FieldNamed(m, "TlsCaFile").kind, MqttFieldKind::File);
    EXPECT_EQ(FieldNamed(m, "Discovery").kind, MqttFieldKind::Check);
}

TEST(MqttSettingsModelTest, RefusedEntriesKeepTheLastGoodValue) {
    struct Case {
        const char* name;
        const char* text;
        bool taken;
        const char* shown;
        const char* said = ""; // a part of the reason: the entry, or the character it could not keep
    };
    const Case cases[] = {
        {"Port", "8883", true, "8883"},
        {"Port", "0", false, "1883"},
        {"Port", "70000", false, "1883"},
        {"Port", "18\u00fc", false, "1883", "\"18\u00fc\""},
        {"TopicPrefix", "home/#", false, ""},
        {"Enabled", "yes", false, "0"},
        {"Host", "broker.lan", true, "broker.lan"},
        {"Password", "K\u00fcche\u20ac", true,
         "K\xFC"
         "che\x80"},
        {"TlsCaFile", "/etc/\u0141\u00f3d\u017a.pem", false, "", "\"\u0141\""},
    };
    for (const Case& c : cases) {
        MqttSettingsModel m({}, {});
        std::string reason;
        EXPECT_EQ(m.Leave(FieldNamed(m, c.name), TypedFromUtf8(c.text), reason), c.taken)
            << c.name << " " << c.text;
        EXPECT_EQ(reason.empty(), c.taken) << reason;
        EXPECT_NE(reason.find(c.said), std::string::npos) << reason;
        EXPECT_EQ(m.Text(FieldNamed(m, c.name)), c.shown) << c.name << " " << c.text;
    }
}

TEST(MqttSettingsModelTest, SaveHandsOnOnlyTheRowsThatChanged) {
    MqttSettings stored;
    stored.Host = "old";
    std::vector<std::string> saved;
    MqttSettings savedWith;
    MqttSettingsModel m(stored, [&](const MqttSettings& now, const std::vector<const SettingRow*>& rows) {
        savedWith = now;
        for (const SettingRow* r : rows)
            saved.emplace_back(r->name);
    });
    std::string reason;
    ASSERT_TRUE(m.Leave(FieldNamed(m, "Host"), {"old", {}}, reason));
    EXPECT_FALSE(m.Changed());
    m.Save();
    EXPECT_TRUE(saved.empty());
    ASSERT_TRUE(m.Leave(FieldNamed(m, "Password"), {" s3cret ", {}}, reason));
    ASSERT_TRUE(m.Leave(FieldNamed(m, "Discovery"), {"0", {}}, reason));
    EXPECT_TRUE(m.Changed());
    m.Save();
    EXPECT_EQ(saved, (std::vector<std::string>{"Password", "Discovery"}));
    EXPECT_EQ(savedWith.Password, " s3cret ");
    EXPECT_FALSE(m.Changed());
    ASSERT_TRUE(m.Leave(FieldNamed(m, "Host"), {"new", {}}, reason));
    m.CancelChanges();
    EXPECT_EQ(m.Text(FieldNamed(m, "Host")), "old");
}

} // namespace
} // namespace tavrel
