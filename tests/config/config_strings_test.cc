// The configuration windows' tool tips are found by their ids, with the program's own spellings.

#include "resources/config_strings.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(ConfigStrings, TipsByIdAndNothingForAnUnknownId) {
    EXPECT_EQ(ConfigStringText(config_tip::kGroupColour + 7), "Choose Backgroung Color For Group 8");
    EXPECT_EQ(ConfigStringText(config_tip::kStatusColour + 6), "Select Color to Indicate MAanual is NOT ON");
    EXPECT_EQ(ConfigStringText(config_tip::kKillEnableDelay),
              "Time Delay Before Kill By Signal Becomes Active (Multiplier)");
    EXPECT_EQ(ConfigStringText(338), "");
}

} // namespace
} // namespace tavrel
