// What a relay panel shows, from the display state, the tables and the settings.

#include "mainwindow/panel_look.h"
#include "resources/main_window_strings.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(PanelLook, StoredColoursAreBlueGreenRed) {
    EXPECT_EQ(RgbFromColour(0x00FF8040), (Rgb{0x40, 0x80, 0xFF}));
    EXPECT_EQ(RgbFromColour(kColourStopRed), (Rgb{0xFF, 0, 0}));
    EXPECT_EQ(TextColourOn(0x000000), (Rgb{255, 255, 255}));
    EXPECT_EQ(TextColourOn(0xFFFFFF), (Rgb{0, 0, 0}));
}

TEST(PanelLook, FollowsTheDisplayStateAndTellsAChange) {
    ScheduleTables tables;
    InitialiseNewSchedule(tables);
    Settings settings;
    settings.ColorNameBkgrnd = 0x123456;
    settings.ColorRelayOFF = 0x0000FF;
    DisplayState display;
    PrimeDisplayState(display, tables, settings);
    tables.RelayGroupColors[2] = 0xC0FFFF;

    const PanelLook before = PanelLookFor(2, display, tables, settings);
    EXPECT_EQ(before.panel, 0xC0FFFF);
    EXPECT_EQ(before.nameBackground, 0x123456);
    EXPECT_EQ(before.light, 0x0000FF);
    EXPECT_EQ(before.lightText, "OFF");
    EXPECT_EQ(before.counterCaption, "Counter");
    EXPECT_EQ(PanelLookFor(2, display, tables, settings), before);

    tables.RelayArray[2].CurrentState = kStateOn;
    EXPECT_EQ(PanelLookFor(2, display, tables, settings).lightText, "ON");
    EXPECT_NE(PanelLookFor(2, display, tables, settings), before);
    tables.RelayArray[2].CurrentState = kStateOff;
    display.relays[2].totalTimeText = ">Manual<";
    EXPECT_NE(PanelLookFor(2, display, tables, settings), before);
    EXPECT_EQ(PanelLookFor(3, display, tables, settings), PanelLookFor(3, display, tables, settings));
}

TEST(MainWindowStrings, TextsOfTheTable) {
    EXPECT_EQ(MainWindowString(ToolTipId(PanelControl::Manual)),
              "Manually turn relay ON (will not override \"STOP\")");
    EXPECT_EQ(MainWindowString(ToolTipId(PanelControl::Stop)),
              "\"STOP\" and RESET this relay, (overrides ALL other settings)");
    EXPECT_EQ(MainWindowString(ToolTipId(PanelControl::Counter)), "Total Count, Input signal changes to ON");
    EXPECT_EQ(MainWindowString(1400), "AUTOMATIC RESTART following Power Failure or System Crash");
    EXPECT_EQ(MainWindowString(378), "&HFF&");
    EXPECT_EQ(MainWindowString(9999), "");
}

} // namespace
} // namespace tavrel
