#include "config/configuration.h"

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
        ctx.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
        ctx.NewConfiguration().ConfigurationLoadFromReg();
    }
};

TEST_F(Configuration, NoKeyChangesNothingAndShowsNothing) {
    ctx.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
    EXPECT_EQ(ctx.ConfigVersion, kRegKeyNotFound);
    ctx.KillMiscButtonName = "Panic";
    ctx.BoardArray[0].ChipSetType = "LPT1";
    ctx.NewConfiguration().ConfigurationLoadFromReg();
    EXPECT_EQ(ctx.KillMiscButtonName, "Panic");
    EXPECT_EQ(ctx.BoardArray[0].ChipSetType, "LPT1");
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_F(Configuration, SaveWritesTheTagAndBoardOneOnly) {
    ctx.BoardArray[0].ChipSetType = "CBRelay08";
    ctx.BoardArray[0].BaseAddress = 0x300;
    ctx.BoardArray[1].ChipSetType = "LPT1";
    for (int r = 0; r < 8; ++r)
        ctx.BoardArray[0].RelayNames[static_cast<size_t>(r)] = "R" + std::to_string(r + 1);
    Save();
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(Stored("ConfigVersion"), "FV.2002.08.01|.b0.r7.t5");
    EXPECT_EQ(ctx.ConfigVersion, "FV.2002.08.01|.b0.r7.t5");
    EXPECT_EQ(Stored("ChipSetType1"), "CBRelay08");
    EXPECT_EQ(Stored("BaseAddress1"), "768");
    for (int r = 1; r <= 8; ++r)
        EXPECT_EQ(Stored("Brd1RNam" + std::to_string(r)), "R" + std::to_string(r));
    EXPECT_EQ(Stored("ChipSetType2"), kRegValueNameNotFound);
    EXPECT_EQ(Stored("ColorRelayGroup8"), "0");
    EXPECT_EQ(Stored("LoggingOnOff"), "0");
}

TEST_F(Configuration, SaveDefaultsAreStoredBackIntoTheSettings) {
    ctx.KillMiscButtonName = "";
    ctx.LogFilePath = "";
    ctx.LogFileName = "";
    ctx.DataFilePath = "";
    ctx.DataFileName = "";
    ctx.BoardArray[0].ChipSetType = "";
    ctx.BoardArray[0].RelayNames[4] = "";
    Save();
    EXPECT_EQ(Stored("KillMiscButtonName"), " ");
    EXPECT_EQ(ctx.KillMiscButtonName, " ");
    EXPECT_EQ(Stored("LogFilePath"), "c:\\");
    EXPECT_EQ(ctx.LogFilePath, "c:\\");
    EXPECT_EQ(Stored("LogFileName"), "TavrelLog.Log");
    EXPECT_EQ(Stored("DataFilePath"), t.platform.folders.programDirectory);
    EXPECT_EQ(ctx.DataFileName, "New.run");
    EXPECT_EQ(Stored("ChipSetType1"), " ");
    EXPECT_EQ(Stored("Brd1RNam5"), " ");

    ctx.KillMiscButtonName = "other";
    Load();
    EXPECT_EQ(ctx.KillMiscButtonName, " ") << "only an empty stored text becomes \"Kill\"";
    Store("KillMiscButtonName", "x");
    ctx.regApi.DeleteRegValue(kHkeyLocalMachine, kConfigKey, "KillMiscButtonName", true);
    boxes.Clear();
    Load();
    EXPECT_EQ(ctx.KillMiscButtonName, "Kill");
    EXPECT_EQ(boxes.Count(), 1u) << "the missing value's read diagnostic";
}

TEST_F(Configuration, EverySettingRoundTrips) {
    ctx.LoggingOnOff = kTrue;
    ctx.KillByButton = 1;
    ctx.KillBySignal = 1;
    ctx.KillBySignalBoardNum = 0;
    ctx.KillBySignalInputNum = 7;
    ctx.KillBySignalGoesHigh = kTrue;
    ctx.KillBySignalGoesLow = kFalse;
    ctx.KillActionAllOff = 1;
    ctx.KillActionExitProgram = 0;
    ctx.KillActionShutDown = 1;
    ctx.KillMiscButtonName = "Stop pumps";
    ctx.KillMiscButtonOnTop = 1;
    ctx.KillMiscEnableDelay = 3;
    ctx.LogFilePath = "c:\\Logs\\";
    ctx.LogFileName = "Tavrel_2026_12_07.Log";
    ctx.DataFilePath = "c:\\Runs";
    ctx.DataFileName = "Pumps.run";
    ctx.WarnOverLapTime = 1;
    ctx.ColorRelayON = 0x00FF00;
    ctx.ColorNameBkgrnd = -2147483643;
    for (int g = 0; g < 8; ++g)
        ctx.RelayGroupColors[g] = 1000 + g;
    BoardRecord& b = ctx.BoardArray[0];
    b = BoardRecord{
        "8255PortA", 0x300, 0x301, 0x303, 0x80, kTrue, 1, 1, 0, 1, {"a", "b", "c", "d", "e", "f", "g", "h"}};
    Save();
    const Settings saved = ctx;
    const BoardRecord savedBoard = b;
    static_cast<Settings&>(ctx) = Settings{};
    b = BoardRecord{};
    for (int g = 0; g < 8; ++g)
        ctx.RelayGroupColors[g] = 0;
    Load();
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(ctx.LoggingOnOff, saved.LoggingOnOff);
    EXPECT_EQ(ctx.KillBySignalInputNum, 7);
    EXPECT_EQ(ctx.KillBySignalGoesHigh, kTrue);
    EXPECT_EQ(ctx.KillBySignalGoesLow, kFalse);
    EXPECT_EQ(ctx.KillActionShutDown, 1);
    EXPECT_EQ(ctx.KillMiscButtonName, "Stop pumps");
    EXPECT_EQ(ctx.KillMiscEnableDelay, 3);
    EXPECT_EQ(ctx.LogFilePath, "c:\\Logs\\");
    EXPECT_EQ(ctx.DataFileName, "Pumps.run");
    EXPECT_EQ(ctx.WarnOverLapTime, 1);
    EXPECT_EQ(ctx.ColorRelayON, 0x00FF00);
    EXPECT_EQ(ctx.ColorNameBkgrnd, -2147483643);
    EXPECT_EQ(ctx.RelayGroupColors[7], 1007);
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
        ctx.RelayGroupColors[g] = 1;
    Store("ConfigVersion", "FV.2002.08.01|.b3.r9.t5");
    Store("ChipSetType2", "LPT2");
    Load();
    EXPECT_EQ(boxes.Count(), 0u) << "board 2 is not asked for";
    EXPECT_EQ(ctx.BoardArray[1].ChipSetType, " ");
    for (int g = 0; g < 8; ++g)
        EXPECT_EQ(ctx.RelayGroupColors[g], 0) << "all eight groups read";

    Store("ConfigVersion", "FV.2002.08.01|.b0.r2.t5");
    Store("ColorRelayGroup4", "77");
    Load();
    EXPECT_EQ(ctx.RelayGroupColors[3], 0) << "only groups 1..3";
}

TEST_F(Configuration, ANonNumericValueIsReportedOnceAndKeepsTheOldValue) {
    Save();
    Store("KillByButton", "yes");
    Store("BaseAddress1", "3OO");
    Store("KillBySignalGoesLow", "maybe");
    ctx.KillByButton = 5;
    ctx.BoardArray[0].BaseAddress = 0x378;
    ctx.KillBySignalGoesLow = kFalse;
    Load();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().icon, MsgIcon::Warning);
    EXPECT_EQ(boxes.Last().title, "Load Configuration Error ");
    EXPECT_EQ(boxes.Last().Text(),
              "Type mismatch\r\nConfiguration Load Errors\r\n\r\nCorrect the Problem or \r\n\r\n"
              "ReEnter Board Values, ('File, Configuration)\r\nThen 'Save', to correct");
    EXPECT_EQ(ctx.KillByButton, 5);
    EXPECT_EQ(ctx.BoardArray[0].BaseAddress, 0x378);
    EXPECT_EQ(ctx.KillBySignalGoesLow, kTrue) << "a two-valued flag that is no number ends up true";

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
    ctx.LoggingOnOff = kTrue;
    Load();
    EXPECT_EQ(ctx.LoggingOnOff, kTrue) << "anything but 0 or 1 leaves it";
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
    ctx.DataFileName = "Pumps.run";
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
