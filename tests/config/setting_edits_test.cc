// Settings changed by their registry names through the configuration window's model: the same texts, the
// same refusals, and the command's own refusals of texts a field could not hold.

#include "config/setting_edits.h"
#include "config/settings_table.h"
#include "engine/schedule_records.h"

#include "support/fake_message_boxes.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class SettingEdits : public ::testing::Test {
protected:
    SettingEdits() {
        ApplyFirstRunSettings(settings, tables.BoardArray, tables.RelayGroupColors);
        BoardRecord& r = tables.BoardArray[0];
        r.ChipSetType = "CBRelay08";
        r.BaseAddress = 0x300;
        r.InputAddress = 0x301;
        model.Boards().Refresh();
        model.Colours().Refresh();
    }

    // Applies NAME VALUE; true when accepted.
    bool Set(const std::string& name, const std::string& value) {
        const SettingName* s = FindSettingName(name);
        EXPECT_NE(s, nullptr) << name;
        return s != nullptr && ApplySetting(model, settings, *s, value, reason);
    }
    ShownSetting Shown(const std::string& name) {
        return ShowSetting(*FindSettingName(name), model, targets);
    }

    Settings settings;
    ScheduleTables tables;
    test::FakeMessageBoxes boxes;
    ConfigurationTargets targets{settings, tables.BoardArray, tables.RelayGroupColors, boxes, {}};
    ConfigurationDialogModel model{ConfigWindow::frmConfiguration, targets};
    std::string reason;
};

struct EditCase {
    const char* name;
    const char* value;
    bool accepted;
    const char* shownAfter; // the value shown afterwards
    const char* message;    // the model's box title, or part of the command's own reason; "" for none
};

class SettingEditCases : public SettingEdits, public ::testing::WithParamInterface<EditCase> {};

TEST_P(SettingEditCases, AppliesOrRefusesWithTheWindowsMessage) {
    const EditCase& c = GetParam();
    EXPECT_EQ(Set(c.name, c.value), c.accepted);
    EXPECT_EQ(Shown(c.name).value, c.shownAfter);
    const std::string message = boxes.Count() > 0 ? boxes.Last().title : reason;
    if (std::string(c.message).empty())
        EXPECT_EQ(message, "");
    else
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
}

INSTANTIATE_TEST_SUITE_P(
    Table, SettingEditCases,
    ::testing::Values(EditCase{"ChipSetType1", "Relay99", false, "CBRelay08", "is not a board type"},
                      EditCase{"chipsettype1", "cbrelay16a", true, "CBRelay16A", ""},
                      EditCase{"BaseAddress1", "2A0", true, "2A0", ""},
                      EditCase{"BaseAddress1", "0x2A0", false, "300", "not a hexadecimal number"},
                      EditCase{"BaseAddress1", "FireCOMM3", false, "FireCOMM3",
                               "Some Entries for this board are FireCracker Only!"},
                      EditCase{"PortConfigValue1", "100", false, "100", "Address Entry is Out of Range!"},
                      EditCase{"PortConfigValue1", "FF", true, "FF", ""},
                      EditCase{"RunNoBoard1", "2", false, "1", "not 0 or 1"},
                      EditCase{"RunNoBoard1", "0", true, "0", ""},
                      EditCase{"ColorRelayON", "#123456", true, "#123456", ""},
                      EditCase{"ColorRelayON", "green", false, "#00FF00", "#RRGGBB"},
                      EditCase{"KillBySignalBoardNum", "2", false, "1", "Error: Invalid Board Number"},
                      EditCase{"KillBySignalInputNum", "8", true, "8", ""},
                      EditCase{"KillMiscEnableDelay", "40000", true, "30000", ""},
                      EditCase{"KillMiscEnableDelay", "soon", false, "0", "not a whole number"},
                      EditCase{"DataFileName", "x.run", false, "", "kept by the program"},
                      EditCase{"LoggingOnOff", "0", true, "0", ""},
                      EditCase{"HolidayFiles", "holidays.ics", false, "\"\"", "is not a full path"}));

TEST_F(SettingEdits, FireCrackerTakesItsPortAndHouseWords) {
    EXPECT_TRUE(Set("ChipSetType1", "FireCracker"));
    EXPECT_TRUE(Set("BaseAddress1", "FireCOMM3"));
    EXPECT_TRUE(Set("CntlAddress1", "FireHouseb"));
    EXPECT_FALSE(Set("CntlAddress1", "FireHouseQ"));
    EXPECT_EQ(tables.BoardArray[0].BaseAddress, 3);
    EXPECT_EQ(tables.BoardArray[0].CntlAddress, 18);
    EXPECT_EQ(Shown("BaseAddress1").note, "stored as 3");
}

TEST_F(SettingEdits, KillInputIsShownAsTypedAndStoredLessOne) {
    EXPECT_TRUE(Set("KillBySignalInputNum", "8"));
    EXPECT_EQ(settings.KillBySignalInputNum, 7);
    EXPECT_TRUE(Set("KillBySignalGoesLow", "1"));
    EXPECT_EQ(Shown("KillBySignalGoesHigh").value, "0");
}

TEST_F(SettingEdits, PresetsAndResetsAreTheWindowsResetMenu) {
    EXPECT_TRUE(ApplyPreset(model, "firecracker"));
    EXPECT_EQ(tables.BoardArray[0].ChipSetType, "FireCracker");
    EXPECT_EQ(Shown("CntlAddress1").value, "FireHouseA");
    EXPECT_FALSE(ApplyPreset(model, "relays"));
    EXPECT_TRUE(Set("ColorRelayON", "#123456"));
    EXPECT_TRUE(ApplyReset(model, "colours"));
    EXPECT_EQ(Shown("ColorRelayON").value, "#00FF00");
    EXPECT_FALSE(ApplyReset(model, "everything"));
    EXPECT_TRUE(model.Changed());
}

TEST(SettingNames, MistypedNamesFindTheirNeighbours) {
    EXPECT_EQ(CloseSettingNames("BaseAdress1").at(0), "BaseAddress1");
    EXPECT_EQ(CloseSettingNames("ChipSetType").at(0), "ChipSetType1");
    EXPECT_TRUE(CloseSettingNames("Frobnicate").empty());
}

TEST(SettingNames, ColoursAreWrittenRedGreenBlue) {
    EXPECT_EQ(ParseColourHashText("#123456"), 0x563412);
    EXPECT_EQ(ColourHashText(0x563412), "#123456");
    EXPECT_EQ(ParseColourHashText("#12345G"), std::nullopt);
    EXPECT_EQ(ParseColourHashText("123456"), std::nullopt);
}

} // namespace
} // namespace tavrel
