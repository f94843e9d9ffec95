#include "config/location.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(Location, CoordinatesAcceptedAndRefused) {
    struct Row {
        const char* text;
        Coordinate which;
        bool good;
    };
    const Row kRows[] = {
        {"52.52", Coordinate::Latitude, true},   {"-33.87", Coordinate::Latitude, true},
        {" 90 ", Coordinate::Latitude, true},    {"90.01", Coordinate::Latitude, false},
        {"-180", Coordinate::Longitude, true},   {"180.5", Coordinate::Longitude, false},
        {"52,52", Coordinate::Latitude, false},  {"5e1", Coordinate::Latitude, false},
        {"nan", Coordinate::Latitude, false},    {"", Coordinate::Latitude, false},
        {"1.2.3", Coordinate::Longitude, false}, {"13.40E", Coordinate::Longitude, false},
    };
    for (const Row& row : kRows)
        EXPECT_EQ(ParseCoordinate(row.text, row.which).has_value(), row.good) << row.text;
}

} // namespace
} // namespace tavrel
