#include "config/configuration.h"

#include "config/settings_table.h"

#include "support/test_platform.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(ctx.settings.DataFileName, "New.run");
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

TEST_F(Configuration, EverySettingRoundTrips) {
    ctx.settings.LoggingOnOff = kTrue;
    ctx.settings.KillByButton = 1;
    ctx.settings.KillBySignal = 1;
    ctx.settings.KillBySignalBoardNum = 0;
    ctx.settings.KillBySignalInputNum = 7;
    ctx.settings.KillBySignalGoesHigh = kTrue;
    ctx.settings.KillBySignalGoesLow = kFalse;
    ctx.settings.KillActionAllOff = 1;
    ctx.settings.KillActionExitProgram = 0;
    ctx.settings.KillActionShutDown = 1;
    ctx.settings.KillMiscButtonName = "Stop pumps";
    ctx.settings.KillMiscButtonOnTop = 1;
    ctx.settings.KillMiscEnableDelay = 3;
    ctx.settings.LogFilePath = "c:\\Logs\\";
    ctx.settings.LogFileName = "Tavrel_2026_12_07.Log";
    ctx.settings.DataFilePath = "c:\\Runs";
    ctx.settings.DataFileName = "Pumps.run";
    ctx.settings.WarnOverLapTime = 1;
    ctx.settings.ColorRelayON = 0x00FF00;
    ctx.settings.ColorNameBkgrnd = -2147483643;
    for (int g = 0; g < 8; ++g)
        ctx.schedule.RelayGroupColors[g] = 1000 + g;
    BoardRecord& b = ctx.schedule.BoardArray[0];
    b = BoardRecord{
        "8255PortA", 0x300, 0x301, 0x303, 0x80, kTrue, 1, 1, 0, 1, {"a", "b", "c", "d", "e", "f", "g", "h"}};
    Save();
    const Settings saved = ctx.settings;
    const BoardRecord savedBoard = b;
    ctx.settings = Settings{};
    b = BoardRecord{};
    for (int g = 0; g < 8; ++g)
        ctx.schedule.RelayGroupColors[g] = 0;
    Load();
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(ctx.settings.LoggingOnOff, saved.LoggingOnOff);
    EXPECT_EQ(ctx.settings.KillBySignalInputNum, 7);
    EXPECT_EQ(ctx.settings.KillBySignalGoesHigh, kTrue);
    EXPECT_EQ(ctx.settings.KillBySignalGoesLow, kFalse);
    EXPECT_EQ(ctx.settings.KillActionShutDown, 1);
    EXPECT_EQ(ctx.settings.KillMiscButtonName, "Stop pumps");
    EXPECT_EQ(ctx.settings.KillMiscEnableDelay, 3);
    EXPECT_EQ(ctx.settings.LogFilePath, "c:\\Logs\\");
    EXPECT_EQ(ctx.settings.DataFileName, "Pumps.run");
    EXPECT_EQ(ctx.settings.WarnOverLapTime, 1);
    EXPECT_EQ(ctx.settings.ColorRelayON, 0x00FF00);
    EXPECT_EQ(ctx.settings.ColorNameBkgrnd, -2147483643);
    EXPECT_EQ(ctx.schedule.RelayGroupColors[7], 1007);
    EXPECT_EQ(b.ChipSetType, savedBoard.ChipSetType);
    EXPECT_EQ(b.BaseAddress, 0x300);
    EXPECT_EQ(b.PortConfigValue, 0x80);
    EXPECT_EQ(b.LogBoard, 1);
    EXPECT_EQ(b.WriteToBaseOnly, 1);
    EXPECT_EQ(b.BoardReady, kFalse) << "never saved";
    EXPECT_EQ(b.RelayNames, savedBoard.RelayNames);
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
