#include "config/location.h"

#include <cmath>
#include <cstdlib>

namespace tavrel {

std::optional<double> ParseCoordinate(std::string_view text, Coordinate which) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    // Digits with at most one point and a leading sign: no exponents, no commas, no "nan", whatever the
    // C library's locale would take.
    size_t digits = 0;
    size_t points = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else if (!(i == 0 && (c == '-' || c == '+')))
            return std::nullopt;
    }
    if (digits == 0 || points > 1 || digits > 12)
        return std::nullopt;
    const std::string copy(text);
    const double value = std::strtod(copy.c_str(), nullptr);
    const double limit = which == Coordinate::Latitude ? 90.0 : 180.0;
    if (!std::isfinite(value) || value < -limit || value > limit)
        return std::nullopt;
    return value;
}

std::string CoordinateRefusal(Coordinate which) {
    return which == Coordinate::Latitude
               ? "Latitude must be decimal degrees with a point from -90 to 90, north positive (e.g. 52.52)"
               : "Longitude must be decimal degrees with a point from -180 to 180, east positive (e.g. "
                 "13.40)";
}

} // namespace tavrel
