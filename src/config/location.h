#pragma once
// Where the controller is, as the Location settings hold it: decimal degrees with a point, north and east
// positive ("52.52", "-33.87"); an empty text means no location is set.

#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

enum class Coordinate { Latitude, Longitude };

// The degrees of a stored or typed coordinate, or nothing when it is empty, not a decimal number with a
// point, or out of range (latitude -90..90, longitude -180..180).
std::optional<double> ParseCoordinate(std::string_view text, Coordinate which);

// Why a typed coordinate is refused, the same words in the window and in `tavreld --config set`.
std::string CoordinateRefusal(Coordinate which);

} // namespace tavrel
