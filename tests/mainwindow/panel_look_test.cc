// What a relay panel draws: the relay's display record with the panel's own colours and icon.

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

TEST(PanelLook, IsTheRelaysRecordWithThePanelsOwnColoursAndIcon) {
    ScheduleTables tables;
    InitialiseNewSchedule(tables);
    Settings settings;
    settings.ColorNameBkgrnd = 0x123456;
    DisplayState display;
    display.relays[2].totalTimeText = ">Manual<";
    tables.RelayGroupColors[2] = 0xC0FFFF;
    tables.RelayArray[2].IconFile = "c:\\pump.ico";

    const PanelLook look = PanelLookFor(2, display, tables, settings);
    EXPECT_EQ(look.relay.totalTimeText, ">Manual<");
    EXPECT_EQ(look.panel, 0xC0FFFF);
    EXPECT_EQ(look.nameBackground, 0x123456);
    EXPECT_EQ(look.iconFile, "c:\\pump.ico");
    // A panel redraws only when its look differs: a change in the record or in the panel's own colour.
    display.relays[2].counterCaption = "7";
    EXPECT_FALSE(PanelLookFor(2, display, tables, settings) == look);
    display.relays[2].counterCaption = look.relay.counterCaption;
    tables.RelayGroupColors[2] = 0xFFFFFF;
    EXPECT_FALSE(PanelLookFor(2, display, tables, settings) == look);
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
