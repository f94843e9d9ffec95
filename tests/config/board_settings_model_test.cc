// The board section's entry rules: FireCracker words, hex values, the configuration value's range.

#include "config/board_settings_model.h"
#include "engine/schedule_records.h"

#include "support/fake_message_boxes.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class BoardSettings : public ::testing::Test {
protected:
    BoardSettings() {
        BoardRecord& r = tables.BoardArray[0];
        r.ChipSetType = "8255PortA";
        r.BaseAddress = 0x300;
        r.InputAddress = 0x301;
        r.CntlAddress = 0x303;
        r.PortConfigValue = 0x80;
        fire.ChipSetType = "FireCracker";
        fire.BaseAddress = 2;
        fire.CntlAddress = 1;
        tables.BoardArray[1] = fire;
        model.Refresh();
    }

    Settings settings;
    ScheduleTables tables;
    test::FakeMessageBoxes boxes;
    ConfigurationTargets targets{settings, tables.BoardArray, tables.RelayGroupColors, boxes, {}};
    ConfigChangeFlag changes;
    BoardSettingsModel model{targets, changes};
    BoardRecord fire;
};

TEST_F(BoardSettings, FireCrackerChosenWithAnInputAddressAsksAndCancelKeepsTheOldType) {
    EXPECT_EQ(model.Texts(0).inputAddress, "301");
    boxes.setNextAnswer(MsgResult::Cancel);
    EXPECT_FALSE(model.LeaveChipSetType(0, {"FireCracker", {}}));
    EXPECT_EQ(boxes.Last().title, "FireCracker CM17a offers Limited functions");
    EXPECT_EQ(boxes.Last().Text(), "Accept Limitations?");
    EXPECT_EQ(boxes.Last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(tables.BoardArray[0].ChipSetType, "8255PortA");
    EXPECT_EQ(model.Texts(0).chipSetType, "8255PortA");
    EXPECT_FALSE(changes.changed);

    boxes.setNextAnswer(MsgResult::Ok);
    EXPECT_TRUE(model.LeaveChipSetType(0, {"FireCracker", {}}));
    EXPECT_EQ(tables.BoardArray[0].ChipSetType, "FireCracker");
    // No port address is left behind to be taken for a COM port or a house code.
    EXPECT_EQ(tables.BoardArray[0].BaseAddress, 0);
    EXPECT_EQ(tables.BoardArray[0].CntlAddress, 0);
    EXPECT_EQ(model.Texts(0).inputAddress, "");
    EXPECT_EQ(model.Texts(0).portConfigValue, "0");
    EXPECT_FALSE(model.Texts(0).portConfigEnabled);
    EXPECT_TRUE(changes.changed);
}

TEST_F(BoardSettings, LeavingFireCrackerWarnsAndClearsTheAddresses) {
    EXPECT_EQ(model.Texts(1).baseAddress, "FireCOMM2");
    EXPECT_TRUE(model.LeaveChipSetType(1, {"CBRelay08", {}}));
    EXPECT_EQ(boxes.Last().title, "Warning!");
    EXPECT_EQ(boxes.Last().lines, (std::vector<std::string>{"Setting Base and Control Address to 0", "",
                                                            "You must enter new values"}));
    EXPECT_EQ(tables.BoardArray[1].BaseAddress, 0);
    EXPECT_EQ(tables.BoardArray[1].CntlAddress, 0);
    EXPECT_EQ(model.Texts(1).baseAddress, "0");
    EXPECT_TRUE(model.Texts(1).portConfigEnabled);
}

struct Entry {
    int board; // 0 = port I/O board at 300, 1 = FireCracker on COM2 house A
    enum Field { Base, Cntl, Input, Config } field;
    const char* text;
    bool accepted;
    int32_t stored;    // the record's value afterwards
    const char* title; // of the refusal, or ""
};

class BoardEntries : public BoardSettings, public ::testing::WithParamInterface<Entry> {};

TEST_P(BoardEntries, AcceptOrRefuse) {
    const Entry& e = GetParam();
    bool accepted = false;
    int32_t BoardRecord::*member = &BoardRecord::BaseAddress;
    switch (e.field) {
    case Entry::Base:
        accepted = model.LeaveAddress(e.board, AddressColumn::Base, e.text);
        break;
    case Entry::Cntl:
        accepted = model.LeaveAddress(e.board, AddressColumn::Cntl, e.text);
        member = &BoardRecord::CntlAddress;
        break;
    case Entry::Input:
        accepted = model.LeaveAddress(e.board, AddressColumn::Input, e.text);
        member = &BoardRecord::InputAddress;
        break;
    case Entry::Config:
        accepted = model.LeaveAddress(e.board, AddressColumn::Config, e.text);
        member = &BoardRecord::PortConfigValue;
        break;
    }
    EXPECT_EQ(accepted, e.accepted);
    EXPECT_EQ(tables.BoardArray[e.board].*member, e.stored);
    if (e.accepted)
        EXPECT_EQ(boxes.Count(), 0u);
    else
        EXPECT_EQ(boxes.Last().title, e.title);
}

INSTANTIATE_TEST_SUITE_P(
    Table, BoardEntries,
    ::testing::Values(
        Entry{1, Entry::Base, "FireCOMM9", false, 2,
              "xx2xx Some Entries for this board are FireCracker Only!"},
        Entry{1, Entry::Base, "FireCOMM8", true, 8, ""},
        Entry{1, Entry::Base, "300", false, 2, "xx2xx Some Entries for this board are FireCracker Only!"},
        Entry{0, Entry::Base, "FireCOMM1", false, 0x300, "Some Entries for this board are FireCracker Only!"},
        Entry{0, Entry::Base, "2a0", true, 0x2A0, ""}, Entry{0, Entry::Base, " ", true, 0, ""},
        Entry{1, Entry::Cntl, "FireHousep", true, 32, ""}, Entry{1, Entry::Cntl, "FireHouseA", true, 1, ""},
        Entry{1, Entry::Cntl, "FireHouseQ", false, 1,
              "xx2xx Some Entries for this board are FireCracker Only!"},
        Entry{0, Entry::Cntl, "FireHouseA", false, 0x303,
              "Some Entries for this board are FireCracker Only!"},
        Entry{1, Entry::Input, "301", true, 0, ""}, Entry{0, Entry::Input, "", true, 0, ""},
        Entry{0, Entry::Config, "100", false, 0x80, "Address Entry is Out of Range!"},
        Entry{0, Entry::Config, "FF", true, 255, ""}, Entry{0, Entry::Config, "xyz", true, 0, ""},
        Entry{1, Entry::Config, "80", true, 0, ""},
        // The machine's own ports are refused on a port board; a card's and a PCI I/O base are not.
        Entry{0, Entry::Base, "60", false, 0x300, "Address Entry is Out of Range!"},
        Entry{0, Entry::Base, "10000", false, 0x300, "Address Entry is Out of Range!"},
        Entry{0, Entry::Input, "CF8", false, 0x301, "Address Entry is Out of Range!"},
        Entry{0, Entry::Cntl, "CFF", false, 0x303, "Address Entry is Out of Range!"},
        Entry{0, Entry::Base, "3FF", true, 0x3FF, ""}, Entry{0, Entry::Input, "E000", true, 0xE000, ""},
        Entry{0, Entry::Cntl, "D00", true, 0xD00, ""}));

TEST_F(BoardSettings, RefusedFireCrackerHouseShowsBothRanges) {
    EXPECT_FALSE(model.LeaveAddress(1, AddressColumn::Cntl, "FireHouse"));
    EXPECT_EQ(boxes.Last().lines,
              (std::vector<std::string>{"Valid Base Address's are FireHouseA thru FireHouseP",
                                        "                     and FireHousea thru FireHousep"}));
}

TEST_F(BoardSettings, PresetsFillAllFourBoards) {
    model.ResetMixed();
    EXPECT_EQ(tables.BoardArray[1].BaseAddress, 0x302);
    EXPECT_EQ(tables.BoardArray[3].ChipSetType, "FireCracker");
    EXPECT_EQ(tables.BoardArray[3].CntlAddress, 1);
    EXPECT_EQ(model.Texts(3).baseAddress, "FireCOMM2");
    EXPECT_EQ(model.Texts(3).cntlAddress, "FireHouseA");
    model.ResetAllFireCracker();
    EXPECT_EQ(model.Texts(2).cntlAddress, "FireHouseB");
    EXPECT_TRUE(changes.changed);
}

TEST(LogFolderEntry, GetsItsFinalBackslashAndAnEmptyOneFallsBackToDriveC) {
    struct Case {
        const char* configured;
        const char* typed;
        const char* stored;
    };
    for (const Case& c :
         {Case{"", "", "c:\\"}, Case{"d:\\old\\", "", "d:\\old\\"}, Case{"", "c:\\logs", "c:\\logs\\"},
          Case{"", "c:\\logs\\", "c:\\logs\\"}, Case{"", "/srv/logs/", "/srv/logs/"}}) {
        Settings settings;
        settings.LogFilePath = c.configured;
        ScheduleTables tables;
        test::FakeMessageBoxes boxes;
        ConfigurationTargets targets{settings, tables.BoardArray, tables.RelayGroupColors, boxes, {}};
        ConfigChangeFlag changes;
        BoardSettingsModel model(targets, changes);
        model.LeaveLogFilePath(c.typed);
        EXPECT_EQ(settings.LogFilePath, c.stored) << c.typed;
        EXPECT_EQ(model.LogFilePathText(), c.stored);
    }
}

} // namespace
} // namespace tavrel
