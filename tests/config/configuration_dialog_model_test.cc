// The configuration window as a whole: the variant a screen gets, Save, Cancel and the close question.

#include "config/configuration_dialog_model.h"

#include "config/log_folder.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <functional>

namespace tavrel {
namespace {

TEST(ConfigWindowChoice, CombinedFromTenTwentyFourBySevenSixtyEight) {
    using W = ConfigWindow;
    struct Case {
        int width, height;
        std::vector<W> windows;
    };
    const std::vector<W> split{W::frmConfigBoards, W::frmConfigColors};
    for (const Case& c : {Case{1024, 768, {W::frmConfiguration}}, Case{1920, 1080, {W::frmConfiguration}},
                          Case{1023, 768, split}, Case{1280, 767, split}, Case{800, 600, split}})
        EXPECT_EQ(ChooseConfigWindows(c.width, c.height), c.windows) << c.width << "x" << c.height;
    EXPECT_EQ(ConfigWindowCaption(W::frmConfigColors), "Tavrel Configuration Color Preferences");
    EXPECT_FALSE(LayoutOf(W::frmConfigBoards).resetColors);
    EXPECT_FALSE(LayoutOf(W::frmConfigColors).resetAddressDefaults);
    EXPECT_TRUE(LayoutOf(W::frmConfigColors).resetColors);
}

class ConfigDialog : public ::testing::Test {
protected:
    ConfigDialog() {
        ctx.schedule.BoardArray[0].ChipSetType = "CBRelay08";
        ctx.schedule.BoardArray[0].BaseAddress = 0x300;
        ctx.schedule.RelayGroupColors[2] = 0x111111;
        ctx.settings.KillMiscButtonName = "Stop";
        ctx.NewConfiguration().ConfigurationSaveToReg();
    }
    ConfigurationTargets Targets() {
        return {ctx.settings, ctx.schedule.BoardArray, ctx.schedule.RelayGroupColors, t.platform.boxes,
                [this] { ctx.NewConfiguration().ConfigurationSaveToReg(); }};
    }
    std::string Hive() {
        return test::ReadWholeFile(t.platform.home.File("registry/HKEY_LOCAL_MACHINE.reg"));
    }

    test::TestContext t;
    ProgramContext& ctx = t.ctx;
};

// A name (a relay's, a board type typed in, the kill button's) is kept in the settings' single-byte text; a
// character that text has no byte for is refused with a box that names it, and the name stays as it was.
TEST_F(ConfigDialog, ANameTheSettingsCannotHoldIsRefusedByItsCharacter) {
    ConfigurationDialogModel model(ConfigWindow::frmConfiguration, Targets());
    struct Case {
        const char* field;
        std::function<bool(const TypedText&)> leave;
        const std::string& stored;
    };
    const Case cases[] = {
        {"relay name", [&](const TypedText& name) { return model.Boards().SetRelayName(0, 2, name); },
         ctx.schedule.BoardArray[0].RelayNames[2]},
        {"board type", [&](const TypedText& name) { return model.Boards().LeaveChipSetType(0, name); },
         ctx.schedule.BoardArray[0].ChipSetType},
        {"kill button name", [&](const TypedText& name) { return model.Colours().LeaveButtonName(name); },
         ctx.settings.KillMiscButtonName},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(c.leave(TypedFromUtf8("K\u00fcche \u20ac"))) << c.field;
        EXPECT_EQ(c.stored, "K\xFC"
                            "che \x80")
            << c.field;
        const size_t boxes = t.platform.boxes.Count();
        EXPECT_FALSE(c.leave(TypedFromUtf8("\u0141\u00f3d\u017a"))) << c.field;
        EXPECT_EQ(c.stored, "K\xFC"
                            "che \x80")
            << c.field;
        ASSERT_EQ(t.platform.boxes.Count(), boxes + 1) << c.field;
        EXPECT_EQ(t.platform.boxes.Last().lines.at(0).rfind("\"\u0141\" cannot be stored in ", 0), 0u)
            << t.platform.boxes.Last().lines.at(0);
    }
}

TEST_F(ConfigDialog, CloseAnsweredNoLeavesTheHiveAndTheSettingsAsBefore) {
    const std::string hive = Hive();
    ConfigurationDialogModel model(ConfigWindow::frmConfiguration, Targets());
    model.Colours().PickGroupColour(2, 0x0000FF);
    model.Colours().LeaveButtonName({"Panic", {}});
    model.Boards().LeaveAddress(0, AddressColumn::Base, "2A0");
    t.platform.boxes.setNextAnswer(MsgResult::No);
    EXPECT_EQ(model.RequestClose(), CloseAnswer::Close);
    EXPECT_EQ(t.platform.boxes.Last().title, "Save?");
    EXPECT_EQ(t.platform.boxes.Last().defaultButton, MsgResult::No);
    EXPECT_EQ(Hive(), hive);
    EXPECT_EQ(ctx.schedule.RelayGroupColors[2], 0x111111);
    EXPECT_EQ(ctx.settings.KillMiscButtonName, "Stop");
    EXPECT_EQ(ctx.schedule.BoardArray[0].BaseAddress, 0x300);
    EXPECT_FALSE(model.Saved());
}

TEST_F(ConfigDialog, CancelOnTheQuestionStaysAndYesSaves) {
    ConfigurationDialogModel model(ConfigWindow::frmConfigColors, Targets());
    EXPECT_EQ(model.RequestClose(), CloseAnswer::Close) << "nothing changed: no question";
    EXPECT_EQ(t.platform.boxes.Count(), 0u);
    model.Colours().PickStatusColour(1, 0x00AA00);
    t.platform.boxes.setNextAnswer(MsgResult::Cancel);
    EXPECT_EQ(model.RequestClose(), CloseAnswer::Stay);
    EXPECT_TRUE(model.Changed());
    t.platform.boxes.setNextAnswer(MsgResult::Yes);
    EXPECT_EQ(model.RequestClose(), CloseAnswer::Close);
    EXPECT_TRUE(model.Saved());
    EXPECT_FALSE(model.Changed());
    EXPECT_EQ(ctx.NewConfiguration().ConfigurationLoadVersionFromReg(), kConfigVersionTag);
    EXPECT_NE(Hive().find("\"ColorRelayON\"=\"43520\""), std::string::npos);
}

TEST_F(ConfigDialog, CancelChangesRestoresEvenWhenNothingWasStoredYet) {
    // A first run: nothing in the registry to reload from.
    ctx.NewConfiguration().ConfigurationDeleteFromReg();
    ConfigurationDialogModel model(ConfigWindow::frmConfigBoards, Targets());
    model.ResetAllDefaults();
    model.CancelChanges();
    EXPECT_EQ(ctx.schedule.BoardArray[0].ChipSetType, "CBRelay08");
    EXPECT_EQ(ctx.schedule.BoardArray[1].ChipSetType, " ");
    EXPECT_EQ(ctx.schedule.RelayGroupColors[2], 0x111111);
    EXPECT_FALSE(model.Changed());
}

TEST(LogFolderChoice, MappedThroughTheDriveThatHoldsIt) {
    const std::vector<DriveFolder> drives{{'c', "/home/u/.tavrel/drive_c"}, {'d', "/mnt/data"}, {'e', "/"}};
    struct Case {
        const char* chosen;
        const char* stored;
    };
    for (const Case& c :
         {Case{"/home/u/.tavrel/drive_c/logs", "c:\\logs\\"}, Case{"/home/u/.tavrel/drive_c", "c:\\"},
          Case{"/mnt/data/a/b/", "d:\\a\\b\\"}, Case{"/mnt/database", "e:\\mnt\\database\\"}})
        EXPECT_EQ(LogFolderFromChosen(c.chosen, drives), c.stored) << c.chosen;
    EXPECT_EQ(LogFolderFromChosen("/srv/logs", {{'c', "/home/u/drive_c"}}), "/srv/logs/");
}

} // namespace
} // namespace tavrel
