#include "engine/cycle_code_words.h"

#include "engine/pair_rules.h"

#include <array>
#include <cstdint>

namespace tavrel {

namespace {

constexpr std::array<const char*, 7> kDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};

struct RuleWords {
    PairRule rule;
    const char* words;
};

constexpr std::array<RuleWords, 14> kRuleWords{{
    {PairRule::EvenDay, "even days of the month only"},
    {PairRule::OddDay, "odd days of the month only"},
    {PairRule::EvenHour, "even hours only"},
    {PairRule::OddHour, "odd hours only"},
    {PairRule::EvenMinute, "even minutes only"},
    {PairRule::OddMinute, "odd minutes only"},
    {PairRule::EvenSecond, "even seconds only"},
    {PairRule::OddSecond, "odd seconds only"},
    {PairRule::NotWeekend, "not on Saturday or Sunday"},
    {PairRule::NotSunday, "not on Sunday"},
    {PairRule::NotSaturday, "not on Saturday"},
    {PairRule::TopOfHour, "top of each hour, ON for the start's minutes and seconds"},
    {PairRule::MiddleOfHour, "middle of each hour, between the start's and the end's minutes and seconds"},
    {PairRule::BottomOfHour, "bottom of each hour, from the start's minutes and seconds to the hour's end"},
}};

std::string RuleText(PairRule rule, std::string_view code) {
    if (rule == PairRule::Cyclic) {
        const int64_t minutes = CyclePeriodMinutes(CyclicMinutes(code).value_or(0));
        return "toggles every " + std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
    }
    for (const RuleWords& w : kRuleWords)
        if (w.rule == rule)
            return w.words;
    return "plain";
}

std::string PairRange(int first, int last) {
    return first == last ? "pair " + std::to_string(first)
                         : "pairs " + std::to_string(first) + "-" + std::to_string(last);
}

} // namespace

std::string DaysOfWeekWords(std::string_view daysOfWeek) {
    std::string words;
    int count = 0;
    for (int day = 1; day <= 7; ++day) {
        if (!DaysOfWeekMatch(daysOfWeek, day))
            continue;
        words += (words.empty() ? "" : " ") + std::string(kDayNames[static_cast<size_t>(day - 1)]);
        ++count;
    }
    return count == 7 ? "every day" : count == 0 ? "no day" : words;
}

std::string CycleCodeWords(std::string_view cycleCode) {
    const PairRules rules = RulesForCode(cycleCode);
    std::string words;
    // Runs of pairs under the same rule, in pair order.
    for (int first = 0; first < kPairsPerRelay;) {
        int last = first;
        while (last + 1 < kPairsPerRelay &&
               rules[static_cast<size_t>(last + 1)] == rules[static_cast<size_t>(first)])
            ++last;
        const PairRule rule = rules[static_cast<size_t>(first)];
        if (first == 0 && last == kPairsPerRelay - 1)
            return rule == PairRule::Plain ? "no restriction" : "every pair: " + RuleText(rule, cycleCode);
        words +=
            (words.empty() ? "" : "; ") + PairRange(first + 1, last + 1) + ": " + RuleText(rule, cycleCode);
        first = last + 1;
    }
    return words;
}

} // namespace tavrel
