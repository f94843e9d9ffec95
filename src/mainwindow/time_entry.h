#pragma once
// What the time boxes accept as typed, and the one form they store.

#include "common/blank_entry.h"

#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// The typed time as "HH:MM:SS" (24-hour, zero-padded), or nothing when it is not one of H:MM, HH:MM,
// H:MM:SS, HH:MM:SS, each with an optional am/pm in any case, with or without a blank before it.
std::optional<std::string> NormaliseTypedTime(std::string_view text);

// What a key press puts into a time box: a full stop becomes a colon.
std::string TimeBoxKeyText(std::string_view typed);

} // namespace tavrel
