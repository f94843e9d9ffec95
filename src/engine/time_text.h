#pragma once
// The one grammar of time text: what a user types into a time box, the one form that is stored, and the
// seconds of the day a stored text stands for.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// The typed time as "HH:MM:SS" (24-hour, zero-padded), or nothing when it is not one of H:MM, HH:MM,
// H:MM:SS, HH:MM:SS, each with an optional am/pm in any case, with or without a blank before it.
std::optional<std::string> NormaliseTypedTime(std::string_view typed);

// The seconds of the day of a stored time: the "HH:MM:SS" that entry stores, and the looser forms that
// files written elsewhere hold ("8:5", "8:05:30 PM", blanks or tabs around it). Nothing when the text is
// not a time.
std::optional<int32_t> ParseStoredTime(std::string_view stored);

} // namespace tavrel
