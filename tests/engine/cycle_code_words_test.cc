// The words --print-schedule puts after a relay's day text and cycle code follow the evaluator's rules.
#include "engine/cycle_code_words.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(CycleCodeWords, NameThePairsEachRuleGoverns) {
    const std::pair<const char*, const char*> cases[] = {
        {"ed", "no restriction"}, // codes are case-sensitive: an unknown code restricts nothing
        {"ED", "every pair: even days of the month only"},
        {"SX", "pair 1: not on Saturday; pairs 2-6: plain"},
        {"3H",
         "pair 1: top of each hour, ON for the start's minutes and seconds; pair 2: middle of each hour, "
         "between the start's and the end's minutes and seconds; pair 3: bottom of each hour, from the "
         "start's minutes and seconds to the hour's end; pairs 4-6: plain"},
        {"2.5", "pair 1: toggles every 3 minutes; pairs 2-6: plain"}, // the whole minutes the tick uses
    };
    for (const auto& [code, words] : cases)
        EXPECT_EQ(CycleCodeWords(code), words) << code;
}

TEST(CycleCodeWords, NameTheDaysTheTextSelects) {
    const std::pair<const char*, const char*> cases[] = {
        {"17", "Sun Sat"}, {"Mon", "no day"}, {"ALL Days", "every day"}, {"1234567", "every day"}};
    for (const auto& [days, words] : cases)
        EXPECT_EQ(DaysOfWeekWords(days), words) << days;
}

} // namespace
} // namespace tavrel
