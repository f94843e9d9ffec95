// What a relay panel draws: the relay's display record with the panel's own colours and icon.

#include "mainwindow/panel_look.h"
#include "resources/main_window_strings.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

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

TEST(PanelLook, EveryControlHasAToolTipOfItsOwn) {
    std::set<std::string_view> seen;
    for (int c = 0; c <= static_cast<int>(PanelControl::Counter); ++c) {
        const std::string_view tip = MainWindowString(ToolTipId(static_cast<PanelControl>(c)));
        EXPECT_FALSE(tip.empty()) << c;
        EXPECT_TRUE(seen.insert(tip).second) << c << ": " << tip;
    }
    EXPECT_EQ(MainWindowString(9999), "") << "an id the table lacks reads as no text";
}

} // namespace
} // namespace tavrel
