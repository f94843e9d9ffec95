#pragma once
// The panel colours the colour dialog sets: each status colour's setting and default, and the relay
// groups' default backgrounds. Colours are blue-green-red integers (0x00BBGGRR).

#include "config/settings.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace tavrel {

struct StatusColour {
    std::string_view setting; // the registry value name
    int32_t Settings::*member;
    std::string_view defaultText;
};

// In the order of the status colour buttons (index 0..9).
inline constexpr std::array<StatusColour, 10> kStatusColours{{
    {"ColorNameBkgrnd", &Settings::ColorNameBkgrnd, "&HFFFF&"},
    {"ColorRelayON", &Settings::ColorRelayON, "&HFF00&"},
    {"ColorRelayOFF", &Settings::ColorRelayOFF, "&HC0C0C0&"},
    {"ColorTimeON", &Settings::ColorTimeON, "&HFF00&"},
    {"ColorTimeOFF", &Settings::ColorTimeOFF, "&HC0C0C0&"},
    {"ColorManualON", &Settings::ColorManualON, "&HFF00&"},
    {"ColorManualOFF", &Settings::ColorManualOFF, "&HC0C0C0&"},
    {"ColorInputON", &Settings::ColorInputON, "&HFF00&"},
    {"ColorInputOFF", &Settings::ColorInputOFF, "&HC0C0C0&"},
    {"ColorTTimeBkgrnd", &Settings::ColorTTimeBkgrnd, "&HC0C0C0&"},
}};

// Relay groups 1..8.
inline constexpr std::array<std::string_view, 8> kGroupColourDefaults{
    "&HC0FFFF", "&H8080FF", "&H80C0FF", "&H80FFFF", "&HFFFF80", "&HFF8080", "&HFF80FF", "&HFFFFFF"};

int32_t ColourFromText(std::string_view text);
int32_t DefaultStatusColour(int index);
int32_t DefaultGroupColour(int group);

} // namespace tavrel
