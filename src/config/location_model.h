#pragma once
// The configuration window's Location section: the two coordinates as typed, the refusal of one that is
// not a coordinate (the words `tavreld --config set` uses), and today's sunrise and sunset as they type.

#include "config/config_dialog_types.h"
#include "config/location.h"

#include <string>

namespace tavrel {

inline constexpr const char* kNoLocationText = "No location set: sun-based times do not run.";

class LocationModel {
public:
    LocationModel(ConfigurationTargets& targets, ConfigChangeFlag& changes);

    // Shows the settings again (after a reset or a restore).
    void Refresh();

    const std::string& Text(Coordinate which) const;
    // The field's text while it is typed: only what Today() says follows it.
    void Type(Coordinate which, const std::string& text);
    // Field left with `text`: an empty text clears the coordinate; false = refused with a message, the
    // field shows the setting again and keeps the focus.
    bool Leave(Coordinate which, const std::string& text);

    // Today's sunrise and sunset at the place typed, or why there is none.
    std::string Today() const;

private:
    std::string& Setting(Coordinate which);
    std::string& Typed(Coordinate which);

    ConfigurationTargets& targets_;
    ConfigChangeFlag& changes_;
    std::string latitude_;
    std::string longitude_;
};

} // namespace tavrel
