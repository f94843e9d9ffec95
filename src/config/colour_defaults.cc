#include "config/colour_defaults.h"

#include "config/config_text.h"

namespace tavrel {

int32_t ColourFromText(std::string_view text) {
    return static_cast<int32_t>(HexTextValue(text) & 0xFFFFFFFF);
}

int32_t DefaultStatusColour(int index) {
    return ColourFromText(kStatusColours[static_cast<size_t>(index)].defaultText);
}

int32_t DefaultGroupColour(int group) {
    return ColourFromText(kGroupColourDefaults[static_cast<size_t>(group)]);
}

} // namespace tavrel
