// The colour and kill section: what each entry stores and when.

#include "config/colours_kill_model.h"
#include "engine/schedule_records.h"

#include "support/fake_message_boxes.h"

#include <gtest/gtest.h>

#include <optional>

namespace tavrel {
namespace {

class ColoursKill : public ::testing::Test {
protected:
    Settings settings;
    ScheduleTables tables;
    test::FakeMessageBoxes boxes;
    ConfigurationTargets targets{settings, tables.BoardArray, tables.RelayGroupColors, boxes, {}};
    ConfigChangeFlag changes;
    ColoursKillModel model{targets, changes};
};

TEST_F(ColoursKill, CancelledPickerChangesNothing) {
    model.PickStatusColour(1, std::nullopt);
    model.PickGroupColour(2, std::nullopt);
    EXPECT_EQ(model.StatusColour(1), 0);
    EXPECT_EQ(tables.RelayGroupColors[2], 0);
    EXPECT_FALSE(changes.changed);
}

// A kill that is enabled with no action would do nothing: the window warns of it.
TEST_F(ColoursKill, AKillEnabledWithNoActionIsWarnedOf) {
    struct Case {
        KillCheck by;
        std::optional<KillCheck> action;
        bool warned;
    };
    for (const Case& c :
         {Case{KillCheck::ButtonOnTop, std::nullopt, false}, Case{KillCheck::ByButton, std::nullopt, true},
          Case{KillCheck::BySignal, std::nullopt, true},
          Case{KillCheck::BySignal, KillCheck::ActionShutDown, false},
          Case{KillCheck::ByButton, KillCheck::ActionAllOff, false},
          Case{KillCheck::ByButton, KillCheck::ActionExitProgram, false}}) {
        settings = Settings{};
        model.SetCheck(c.by, true);
        if (c.action)
            model.SetCheck(*c.action, true);
        EXPECT_EQ(!model.KillWarning().empty(), c.warned) << static_cast<int>(c.by);
    }
}

TEST_F(ColoursKill, GroupColourIsStoredAtOnceStatusColourOnlyOnSave) {
    model.PickGroupColour(2, 0x123456);
    EXPECT_EQ(tables.RelayGroupColors[2], 0x123456);
    model.PickStatusColour(1, 0x00FF00);
    EXPECT_EQ(settings.ColorRelayON, 0);
    EXPECT_TRUE(changes.changed);
    model.StoreStatusColours();
    EXPECT_EQ(settings.ColorRelayON, 0x00FF00);
}

TEST_F(ColoursKill, BoardNumberOtherThanOneIsRefusedAndTheFieldShowsTheOldNumber) {
    EXPECT_FALSE(model.LeaveBoardNumber("2"));
    EXPECT_EQ(boxes.Last().title, "Error: Invalid Board Number");
    EXPECT_EQ(boxes.Last().Text(), "Enter a Valid Board Number (1-4)");
    EXPECT_EQ(model.BoardNumberText(), "1");
    EXPECT_EQ(settings.KillBySignalBoardNum, 0);
    EXPECT_TRUE(model.LeaveBoardNumber("1"));
    EXPECT_FALSE(changes.changed) << "the same board is no change";
}

TEST_F(ColoursKill, InputNumberIsHeldMinusOne) {
    struct Case {
        const char* text;
        bool accepted;
        int16_t stored;
    };
    for (const Case& c : {Case{"8", true, 7}, Case{"3", true, 2}, Case{"9", false, 2}, Case{"0", false, 2},
                          Case{"x", false, 2}}) {
        EXPECT_EQ(model.LeaveInputNumber(c.text), c.accepted) << c.text;
        EXPECT_EQ(settings.KillBySignalInputNum, c.stored) << c.text;
        EXPECT_EQ(model.InputNumberText(), std::to_string(c.stored + 1)) << c.text;
    }
    EXPECT_EQ(boxes.Last().title, "Error: Invalid Input Signal Number");
}

TEST_F(ColoursKill, DelayAboveTheLimitBecomesTheLimit) {
    struct Case {
        const char* text;
        int16_t stored;
    };
    for (const Case& c : {Case{"40000", 30000}, Case{"120", 120}, Case{"-5", 0}, Case{"99999999", 30000}}) {
        model.LeaveEnableDelay(c.text);
        EXPECT_EQ(settings.KillMiscEnableDelay, c.stored) << c.text;
        EXPECT_EQ(model.EnableDelayText(), std::to_string(c.stored)) << c.text;
    }
}

TEST_F(ColoursKill, EdgeOptionSetsBothFlags) {
    model.SetGoesHigh(false);
    EXPECT_EQ(settings.KillBySignalGoesHigh, kFalse);
    EXPECT_EQ(settings.KillBySignalGoesLow, kTrue);
    model.SetCheck(KillCheck::ActionShutDown, true);
    EXPECT_EQ(settings.KillActionShutDown, 1);
}

TEST_F(ColoursKill, ResetColoursUsesTheDefaultTexts) {
    model.ResetColours();
    EXPECT_EQ(model.StatusColour(0), 0x00FFFF);
    EXPECT_EQ(model.StatusColour(2), 0xC0C0C0);
    EXPECT_EQ(tables.RelayGroupColors[0], 0xC0FFFF);
    EXPECT_EQ(tables.RelayGroupColors[7], 0xFFFFFF);
    EXPECT_EQ(settings.ColorNameBkgrnd, 0) << "status colours wait for Save";
}

} // namespace
} // namespace tavrel
