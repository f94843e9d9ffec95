#include "config/configuration.h"

#include "config/setting_names.h"
#include "config/settings_table.h"
#include "mqtt/mqtt_settings.h"

#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

namespace tavrel {
namespace {

class Configuration : public ::testing::Test {
protected:
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::FakeMessageBoxes& boxes = t.platform.boxes;

    std::string Stored(const std::string& name) {
        return ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kConfigKey, name, false);
    }
    void Store(const std::string& name, const std::string& value) {
        ctx.regApi.SetNewValue(kHkeyLocalMachine, kConfigKey, "String", name, value, true);
    }
    void Save() { ctx.NewConfiguration().ConfigurationSaveToReg(); }
    void Load() {
        ctx.settings.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
        ctx.NewConfiguration().ConfigurationLoadFromReg();
    }
};

TEST_F(Configuration, NoKeyChangesNothingAndShowsNothing) {
    ctx.settings.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
    EXPECT_EQ(ctx.settings.ConfigVersion, kRegKeyNotFound);
    ctx.settings.KillMiscButtonName = "Panic";
    ctx.schedule.BoardArray[0].ChipSetType = "LPT1";
    ctx.NewConfiguration().ConfigurationLoadFromReg();
    EXPECT_EQ(ctx.settings.KillMiscButtonName, "Panic");
    EXPECT_EQ(ctx.schedule.BoardArray[0].ChipSetType, "LPT1");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(Configuration, SaveWritesTheTagAndBoardOneOnly) {
    ctx.schedule.BoardArray[0].ChipSetType = "CBRelay08";
    ctx.schedule.BoardArray[0].BaseAddress = 0x300;
    ctx.schedule.BoardArray[1].ChipSetType = "LPT1";
    for (int r = 0; r < 8; ++r)
        ctx.schedule.BoardArray[0].RelayNames[static_cast<size_t>(r)] = "R" + std::to_string(r + 1);
    Save();
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(Stored("ConfigVersion"), "FV.2002.08.01|.b0.r7.t5");
    EXPECT_EQ(ctx.settings.ConfigVersion, "FV.2002.08.01|.b0.r7.t5");
    EXPECT_EQ(Stored("ChipSetType1"), "CBRelay08");
    EXPECT_EQ(Stored("BaseAddress1"), "768");
    for (int r = 1; r <= 8; ++r)
        EXPECT_EQ(Stored("Brd1RNam" + std::to_string(r)), "R" + std::to_string(r));
    EXPECT_EQ(Stored("ChipSetType2"), kRegValueNameNotFound);
    EXPECT_EQ(Stored("ColorRelayGroup8"), "0");
    EXPECT_EQ(Stored("LoggingOnOff"), "0");
}

TEST_F(Configuration, SaveDefaultsAreStoredBackIntoTheSettings) {
    ctx.settings.KillMiscButtonName = "";
    ctx.settings.LogFilePath = "";
    ctx.settings.LogFileName = "";
    ctx.settings.DataFilePath = "";
    ctx.settings.DataFileName = "";
    ctx.schedule.BoardArray[0].ChipSetType = "";
    ctx.schedule.BoardArray[0].RelayNames[4] = "";
    Save();
    EXPECT_EQ(Stored("KillMiscButtonName"), " ");
    EXPECT_EQ(ctx.settings.KillMiscButtonName, " ");
    EXPECT_EQ(Stored("LogFilePath"), "c:\\");
    EXPECT_EQ(ctx.settings.LogFilePath, "c:\\");
    EXPECT_EQ(Stored("LogFileName"), "TavrelLog.Log");
    EXPECT_EQ(Stored("DataFilePath"), t.platform.folders.programDirectory);
    EXPECT_EQ(Stored("DataFileName"), "New.run");
    EXPECT_EQ(ctx.settings.DataFileName, "") << "the running schedule keeps having no file of its own";
    EXPECT_EQ(Stored("ChipSetType1"), " ");
    EXPECT_EQ(Stored("Brd1RNam5"), " ");

    ctx.settings.KillMiscButtonName = "other";
    Load();
    EXPECT_EQ(ctx.settings.KillMiscButtonName, " ") << "only an empty stored text becomes \"Kill\"";
    Store("KillMiscButtonName", "x");
    ctx.regApi.DeleteRegValue(kHkeyLocalMachine, kConfigKey, "KillMiscButtonName", true);
    boxes.Clear();
    Load();
    EXPECT_EQ(ctx.settings.KillMiscButtonName, "Kill");
    EXPECT_EQ(boxes.Count(), 1u) << "the missing value's read diagnostic";
}

TEST_F(Configuration, FirstRunValuesAreTheDialogDefaultsAndSaveAsThemselves) {
    ctx.settings.ColorRelayON = 1;
    ApplyFirstRunSettings(ctx.settings, ctx.schedule.BoardArray, ctx.schedule.RelayGroupColors);
    EXPECT_EQ(ctx.settings.LoggingOnOff, kTrue);
    EXPECT_EQ(ctx.settings.KillMiscButtonName, "Kill");
    EXPECT_EQ(ctx.settings.LogFilePath, "c:\\");
    EXPECT_EQ(ctx.settings.WarnOverLapTime, 1);
    EXPECT_EQ(ctx.settings.ColorNameBkgrnd, 0x00FFFF);
    EXPECT_EQ(ctx.settings.ColorRelayON, 0x00FF00);
    EXPECT_EQ(ctx.settings.ColorRelayOFF, 0xC0C0C0);
    EXPECT_EQ(ctx.schedule.RelayGroupColors[0], 0xC0FFFF);
    EXPECT_EQ(ctx.schedule.RelayGroupColors[7], 0xFFFFFF);
    Save();
    EXPECT_EQ(Stored("KillMiscButtonName"), "Kill");
    EXPECT_EQ(Stored("ColorRelayOFF"), "12632256");
    EXPECT_EQ(Stored("ColorRelayGroup2"), "8421631");
}

// A value unlike the row's first-run one, different for every instance: what a save must keep.
template <typename T> T OtherValue(const SettingRow& row, int instance) {
    const int n = static_cast<int>(&row - SettingRows().data()) * 10 + instance + 2;
    // A board type and a port address the load takes as good values.
    if constexpr (std::is_same_v<T, std::string>)
        return row.kind == SettingKind::ChipSetType ? "CBRelay16A" : "value " + std::to_string(n);
    else if (row.kind == SettingKind::Address)
        return static_cast<T>(0x1000 + n);
    else if constexpr (std::is_same_v<T, bool>)
        return DefaultNumber(row.firstRun, instance) == 0;
    else if (row.rule == LoadRule::Flag || row.rule == LoadRule::TwoValuedFlag)
        return static_cast<T>(DefaultNumber(row.firstRun, instance) == kTrue ? kFalse : kTrue);
    else
        return static_cast<T>(sizeof(T) > 2 ? 100000 + n : n);
}

// Every instance of every row for which `pick` holds, set to its other value, or compared with it.
void SetOrExpectEach(const SettingTargets& targets, bool set, bool (*pick)(const SettingRow&)) {
    for (const SettingRow& row : SettingRows())
        if (pick(row))
            for (int b = 0; b <= (PerBoard(row) ? kMaxBoardIndex : 0); ++b)
                for (int i = 0; i < row.count; ++i)
                    WithSettingValue(row, targets, b, i, [&](auto& value) {
                        const auto other = OtherValue<std::decay_t<decltype(value)>>(row, i);
                        if (set)
                            value = other;
                        else
                            EXPECT_EQ(value, other) << SettingValueName(row, b, i);
                    });
}

TEST_F(Configuration, EveryStoredSettingRoundTrips) {
    const SettingTargets targets{&ctx.settings, &ctx.schedule.BoardArray, &ctx.schedule.RelayGroupColors};
    // The Location rows hold coordinates only: their own test below.
    const auto config = [](const SettingRow& row) {
        return row.key != SettingKey::Mqtt && row.kind != SettingKind::Coordinate;
    };
    ApplyFirstRunSettings(ctx.settings, ctx.schedule.BoardArray, ctx.schedule.RelayGroupColors);
    SetOrExpectEach(targets, true, config);
    Save();
    ApplyFirstRunSettings(ctx.settings, ctx.schedule.BoardArray, ctx.schedule.RelayGroupColors);
    Load();
    EXPECT_EQ(boxes.Count(), 0u);
    SetOrExpectEach(targets, false, config);
    EXPECT_EQ(ctx.schedule.BoardArray[0].BoardReady, kFalse) << "never saved";

    MqttSettings mqtt;
    const auto mqttRows = [](const SettingRow& row) { return row.key == SettingKey::Mqtt; };
    SetOrExpectEach({.mqtt = &mqtt}, true, mqttRows);
    mqtt.Port = 8883; // a port that a load takes
    for (const SettingRow& row : SettingRows())
        if (row.key == SettingKey::Mqtt)
            SaveMqttSetting(ctx.regApi, row, mqtt);
    MqttSettings loaded = LoadMqttSettings(ctx.regApi, "host");
    EXPECT_EQ(loaded.Port, 8883);
    loaded.Port = mqtt.Port = OtherValue<int>(RowOf(&MqttSettings::Port), 0);
    SetOrExpectEach({.mqtt = &loaded}, false, mqttRows);
}

// Configurations saved before calendars existed have no Calendar key; a machine without calendars
// keeps none either.
TEST_F(Configuration, TheCalendarKeyIsReadQuietlyAndHoldsNoEmptyValue) {
    const auto stored = [this] {
        return ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kCalendarKey, "HolidayFiles", false);
    };
    ctx.settings.HolidayFiles = "/etc/a.ics;c:\\b.ics";
    Save();
    EXPECT_EQ(stored(), "/etc/a.ics;c:\\b.ics");
    ctx.settings.HolidayFiles = "";
    Save();
    EXPECT_EQ(stored(), kRegValueNameNotFound);
    ctx.settings.HolidayFiles = "left over";
    Load();
    EXPECT_EQ(ctx.settings.HolidayFiles, "");
    EXPECT_EQ(boxes.Count(), 0u);
}

// The Location key: coordinates round-trip, a cleared one leaves no value, a stored non-coordinate is
// no location.
TEST_F(Configuration, TheLocationKeyHoldsCoordinatesOnly) {
    const auto stored = [this](const char* name) {
        return ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kLocationKey, name, false);
    };
    ctx.settings.Latitude = "-33.87";
    ctx.settings.Longitude = "151.21";
    Save();
    EXPECT_EQ(stored("Latitude"), "-33.87");
    ctx.settings.Latitude = ctx.settings.Longitude = "";
    Load();
    EXPECT_EQ(ctx.settings.Latitude, "-33.87");
    EXPECT_EQ(ctx.settings.Longitude, "151.21");
    ctx.regApi.SetNewValue(kHkeyLocalMachine, kLocationKey, "String", "Latitude", "north", false);
    Load();
    EXPECT_EQ(ctx.settings.Latitude, "");
    Save();
    EXPECT_EQ(stored("Latitude"), kRegValueNameNotFound);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST(SettingsTable, RegistryNamesAreUniqueAcrossKeys) {
    // `tavreld --config set` takes bare names, compared as Windows compares them.
    std::set<std::string> seen;
    for (const SettingName& s : AllSettingNames()) {
        std::string lower = s.name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_TRUE(seen.insert(lower).second) << s.name;
        EXPECT_EQ(FindSettingName(s.name), &s);
    }
    EXPECT_TRUE(seen.insert(kConfigVersionName).second);
}

TEST_F(Configuration, TagDigitsAreClamped) {
    Save();
    for (int g = 0; g < 8; ++g)
        ctx.schedule.RelayGroupColors[g] = 1;
    Store("ConfigVersion", "FV.2002.08.01|.b3.r9.t5");
    Store("ChipSetType2", "LPT2");
    Load();
    EXPECT_EQ(boxes.Count(), 0u) << "board 2 is not asked for";
    EXPECT_EQ(ctx.schedule.BoardArray[1].ChipSetType, " ");
    for (int g = 0; g < 8; ++g)
        EXPECT_EQ(ctx.schedule.RelayGroupColors[g], 0) << "all eight groups read";

    Store("ConfigVersion", "FV.2002.08.01|.b0.r2.t5");
    Store("ColorRelayGroup4", "77");
    Load();
    EXPECT_EQ(ctx.schedule.RelayGroupColors[3], 0) << "only groups 1..3";
}

// A stored port of the machine's own (the keyboard controller, PCI configuration) is never driven: it is
// reported as a load error, naming the value and the range, and the old value stays.
TEST_F(Configuration, AMachinePortIsReportedAndNeverTaken) {
    Save();
    Store("CntlAddress1", "100");
    Store("InputAddress1", "3324");
    ctx.schedule.BoardArray[0].CntlAddress = 0;
    ctx.schedule.BoardArray[0].InputAddress = 0x301;
    Load();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_NE(
        boxes.Last().Text().find("InputAddress1 \"3324\": A port address must be 0 (no port) or from 100 "
                                 "to FFFF hex, outside CF8-CFF hex (CFC hex)"),
        std::string::npos)
        << boxes.Last().Text();
    EXPECT_EQ(ctx.schedule.BoardArray[0].CntlAddress, 0);
    EXPECT_EQ(ctx.schedule.BoardArray[0].InputAddress, 0x301);
}

TEST_F(Configuration, ANonNumericValueIsReportedOnceAndKeepsTheOldValue) {
    Save();
    Store("KillByButton", "yes");
    Store("BaseAddress1", "3OO");
    Store("KillBySignalGoesLow", "maybe");
    ctx.settings.KillByButton = 5;
    ctx.schedule.BoardArray[0].BaseAddress = 0x378;
    ctx.settings.KillBySignalGoesLow = kFalse;
    Load();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().icon, MsgIcon::Warning);
    EXPECT_EQ(boxes.Last().title, "Load Configuration Error ");
    EXPECT_EQ(boxes.Last().Text(),
              "Type mismatch\r\nConfiguration Load Errors\r\n\r\nCorrect the Problem or \r\n\r\n"
              "ReEnter Board Values, ('File, Configuration)\r\nThen 'Save', to correct");
    EXPECT_EQ(ctx.settings.KillByButton, 5);
    EXPECT_EQ(ctx.schedule.BoardArray[0].BaseAddress, 0x378);
    EXPECT_EQ(ctx.settings.KillBySignalGoesLow, kTrue) << "a two-valued flag that is no number ends up true";

    Store("KillByButton", "70000");
    Store("BaseAddress1", "768");
    Store("KillBySignalGoesLow", "0");
    boxes.Clear();
    Load();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().lines[0], "Overflow");
}

TEST_F(Configuration, LoggingFlagRule) {
    Save();
    Store("LoggingOnOff", "2");
    ctx.settings.LoggingOnOff = kTrue;
    Load();
    EXPECT_EQ(ctx.settings.LoggingOnOff, kTrue) << "anything but 0 or 1 leaves it";
    ctx.NewConfiguration().ConfigurationFlagLoggingSave(kFalse);
    EXPECT_EQ(ctx.NewConfiguration().ConfigurationFlagLoggingLoad(), kFalse);
    ctx.NewConfiguration().ConfigurationFlagLoggingSave(3);
    EXPECT_EQ(boxes.Last().lines[0], "Bad input to creat value") << "neither false nor true: refused";
    EXPECT_EQ(Stored("LoggingOnOff"), "0");
}

TEST_F(Configuration, SingleValueOperations) {
    auto store = ctx.NewConfiguration();
    store.ConfigurationRunNoBoardSave(1, 0);
    store.ConfigurationBaseWriteOnlySave(1, 2);
    EXPECT_EQ(Stored("RunNoBoard1"), "1");
    EXPECT_EQ(Stored("WriteToBaseOnly3"), "1");
    EXPECT_EQ(ctx.NewConfiguration().ConfigurationRunNoBoardLoad(0), 1);
    EXPECT_EQ(ctx.NewConfiguration().ConfigurationBaseWriteOnlyLoad(2), 1);
    ctx.settings.DataFileName = "Pumps.run";
    ctx.NewConfiguration().ConfigurationDataFileNameSave();
    EXPECT_EQ(Stored("DataFileName"), "Pumps.run");
}

TEST_F(Configuration, RemovingTheConfigurationDeletesBothKeys) {
    Save();
    ctx.regApi.SetNewValue(kHkeyLocalMachine, kStartupKey, "String", "frmRelay", "0,0,800,600", true);
    auto store = ctx.NewConfiguration();
    EXPECT_FALSE(store.ConfigurationDeleteFromReg());
    ctx.NewConfiguration().ConfigurationDeleteLastPos();
    EXPECT_EQ(ctx.NewConfiguration().ConfigurationLoadVersionFromReg(), kRegKeyNotFound);
    EXPECT_EQ(ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kStartupKey, "frmRelay", false),
              kRegKeyNotFound);
}

} // namespace
} // namespace tavrel
