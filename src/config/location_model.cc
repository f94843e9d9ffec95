#include "config/location_model.h"

namespace tavrel {

namespace {

bool Blank(const std::string& text) {
    return text.find_first_not_of(' ') == std::string::npos;
}

} // namespace

LocationModel::LocationModel(ConfigurationTargets& targets, ConfigChangeFlag& changes)
    : targets_(targets), changes_(changes) {
    Refresh();
}

void LocationModel::Refresh() {
    latitude_ = targets_.settings.Latitude;
    longitude_ = targets_.settings.Longitude;
}

std::string& LocationModel::Setting(Coordinate which) {
    return which == Coordinate::Latitude ? targets_.settings.Latitude : targets_.settings.Longitude;
}

std::string& LocationModel::Typed(Coordinate which) {
    return which == Coordinate::Latitude ? latitude_ : longitude_;
}

const std::string& LocationModel::Text(Coordinate which) const {
    return which == Coordinate::Latitude ? latitude_ : longitude_;
}

void LocationModel::Type(Coordinate which, const std::string& text) {
    Typed(which) = text;
}

bool LocationModel::Leave(Coordinate which, const std::string& text) {
    if (!Blank(text) && !ParseCoordinate(text, which)) {
        Typed(which) = Setting(which);
        targets_.boxes.Tell(MsgIcon::Error, "Location", {CoordinateRefusal(which)});
        return false;
    }
    const std::string stored = Blank(text) ? "" : text.substr(text.find_first_not_of(' '));
    Typed(which) = stored.substr(0, stored.find_last_not_of(' ') + 1);
    if (Setting(which) != Typed(which)) {
        Setting(which) = Typed(which);
        changes_.Mark();
    }
    return true;
}

std::string LocationModel::Today() const {
    if (Blank(latitude_) && Blank(longitude_))
        return kNoLocationText;
    const auto lat = ParseCoordinate(latitude_, Coordinate::Latitude);
    if (!lat)
        return CoordinateRefusal(Coordinate::Latitude);
    const auto lon = ParseCoordinate(longitude_, Coordinate::Longitude);
    if (!lon)
        return CoordinateRefusal(Coordinate::Longitude);
    return targets_.sunToday ? targets_.sunToday(*lat, *lon) : "";
}

} // namespace tavrel
