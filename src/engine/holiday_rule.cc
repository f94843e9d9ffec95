#include "engine/holiday_rule.h"

#include <array>
#include <utility>

namespace tavrel {

namespace {

constexpr std::array<std::pair<HolidayRule, std::string_view>, 3> kRuleTexts{{
    {HolidayRule::Run, "RUN"},
    {HolidayRule::Skip, "SKIP"},
    {HolidayRule::Sunday, "SUNDAY"},
}};

} // namespace

std::string_view HolidayRuleText(HolidayRule rule) {
    for (const auto& [r, text] : kRuleTexts)
        if (r == rule)
            return text;
    return "RUN";
}

std::optional<HolidayRule> ParseHolidayRule(std::string_view text) {
    for (const auto& [rule, t] : kRuleTexts)
        if (t == text)
            return rule;
    return std::nullopt;
}

void HolidayDays::SetLookup(Lookup lookup) {
    lookup_ = std::move(lookup);
    Forget();
}

const std::optional<std::string>& HolidayDays::On(const CalendarDate& date) const {
    if (asked_ && date == day_)
        return holiday_;
    holiday_ = lookup_ ? lookup_(date) : std::nullopt;
    day_ = date;
    asked_ = true;
    return holiday_;
}

} // namespace tavrel
