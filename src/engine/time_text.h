#pragma once
// The one grammar of time text: what a user types into a time box, the one form that is stored, and the
// seconds of the day a stored text stands for.

#include "engine/sun_events.h"

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

// A time that follows the sun: an event and an offset from it of at most 12 hours either way.
struct SunTime {
    SunEvent event = SunEvent::Sunrise;
    int32_t offset = 0; // seconds
    friend bool operator==(const SunTime&, const SunTime&) = default;
};

// "sunrise", "sunset", "dawn" or "dusk", optionally followed by +H:MM, -H:MM, +H:MM:SS or -H:MM:SS, in any
// case and with blanks anywhere; the same grammar typed and stored. Nothing when it is not one.
std::optional<SunTime> ParseSunTime(std::string_view text);

// The stored form: the event in lower case, then for a non-zero offset its sign, HH:MM and :SS only when
// the seconds are not zero ("sunset-00:30", "dusk+00:00:30", "dawn").
std::string FormatSunTime(const SunTime& sun);

} // namespace tavrel
