#include "formutil/window_placement.h"

#include "config/configuration.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(WindowPlacementTest, ParsesOnlyFourWholeNumbersWithAPositiveSize) {
    EXPECT_EQ(ParsePlacement("12,40,800,600"), (WindowRect{12, 40, 800, 600}));
    EXPECT_EQ(ParsePlacement("-1920, 0, 640, 480"), (WindowRect{-1920, 0, 640, 480}));
    for (const char* bad : {"", "12,40,800", "12,40,800,600,1", "12;40;800;600", "a,40,800,600",
                            "12,40,0,600", "12,40,800,-5", "12,40,800,600x"})
        EXPECT_FALSE(ParsePlacement(bad)) << bad;
    EXPECT_EQ(FormatPlacement({-5, 7, 300, 200}), "-5,7,300,200");
}

TEST(WindowPlacementTest, FitsTheRectangleOnAScreenThatExists) {
    const WindowRect primary{0, 0, 1024, 768};
    const WindowRect right{1024, 0, 1920, 1080};
    struct Case {
        WindowRect wanted;
        WindowRect expected;
        const char* why;
    } cases[] = {
        {{100, 100, 400, 300}, {100, 100, 400, 300}, "inside: unchanged"},
        {{1200, 50, 400, 300}, {1200, 50, 400, 300}, "on the second screen: stays there"},
        {{3000, 2000, 400, 300}, {624, 468, 400, 300}, "on a screen that is gone: back on the primary"},
        {{800, -50, 400, 300}, {624, 0, 400, 300}, "mostly on the primary: moved inside it"},
        {{10, 10, 2000, 1000},
         {1024, 10, 1920, 1000},
         "wider than the primary: on the screen it overlaps most"},
        {{-10, -10, 5000, 5000}, {1024, 0, 1920, 1080}, "larger than any screen: shrunk to one"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitToScreens(c.wanted, {primary, right}), c.expected) << c.why;
}

TEST(WindowPlacementTest, StoresOneValuePerWindowUnderTheStartupKey) {
    test::TestContext t;
    PlacementStore store(t.ctx.regApi);
    EXPECT_FALSE(store.Load("frmRelay"));
    EXPECT_EQ(t.platform.boxes.Count(), 0u) << "nothing stored is not an error";
    store.Save("frmRelay", {5, 6, 700, 500});
    store.Save("frmKillButton", {1, 2, 30, 40});
    EXPECT_EQ(t.ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kStartupKey, "frmRelay", false),
              "5,6,700,500");
    EXPECT_EQ(PlacementStore(t.ctx.regApi).Load("frmKillButton"), (WindowRect{1, 2, 30, 40}));
}

} // namespace
} // namespace tavrel
