#include "engine/sun_events.h"
#include "engine/sun_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

namespace tavrel {
namespace {

// tests/data/sun/sun_events.csv was made by make_sun_events.py beside it from an independent library.
TEST(SunEvents, WithinAMinuteOfTheReferenceOrNoEventWhereItHasNone) {
    std::ifstream in(std::string(TAVREL_TEST_DATA) + "/sun/sun_events.csv");
    ASSERT_TRUE(in) << "reference table missing";
    const std::pair<const char*, SunEvent> kEvents[] = {{"sunrise", SunEvent::Sunrise},
                                                        {"sunset", SunEvent::Sunset},
                                                        {"dawn", SunEvent::Dawn},
                                                        {"dusk", SunEvent::Dusk}};
    std::string line;
    std::getline(in, line);
    int rows = 0;
    while (std::getline(in, line)) {
        std::istringstream row(line);
        std::string place, lat, lon, date, event, expected;
        std::getline(row, place, ',');
        std::getline(row, lat, ',');
        std::getline(row, lon, ',');
        std::getline(row, date, ',');
        std::getline(row, event, ',');
        std::getline(row, expected, ',');
        const CalendarDate d{std::stoi(date.substr(0, 4)), std::stoi(date.substr(5, 2)),
                             std::stoi(date.substr(8, 2))};
        SunEvent which = SunEvent::Sunrise;
        for (const auto& [name, e] : kEvents)
            if (event == name)
                which = e;
        const auto got = SunEventUtcSeconds(which, d, {std::stod(lat), std::stod(lon)});
        if (expected == "none") {
            EXPECT_FALSE(got.has_value()) << line << " got " << *got;
        } else {
            ASSERT_TRUE(got.has_value()) << line;
            EXPECT_NEAR(*got, std::stoi(expected), 60) << line;
        }
        ++rows;
    }
    EXPECT_GT(rows, 90);
}

} // namespace
} // namespace tavrel

// The daemon's own circular functions against the maths library, over the arguments the sun's position
// takes (degrees of a century's motion become radians in the hundreds).
TEST(SunMath, AgreesWithTheMathsLibrary) {
    for (double x = -700.0; x <= 700.0; x += 0.37) {
        EXPECT_NEAR(tavrel::sun_math::Sin(x), std::sin(x), 1e-12) << x;
        EXPECT_NEAR(tavrel::sun_math::Cos(x), std::cos(x), 1e-12) << x;
        EXPECT_NEAR(tavrel::sun_math::Fmod(x, 360.0), std::fmod(x, 360.0), 1e-9) << x;
        EXPECT_EQ(tavrel::sun_math::Round(x), std::lround(x)) << x;
    }
    for (double x = -1.0; x <= 1.0; x += 0.0125) {
        EXPECT_NEAR(tavrel::sun_math::Asin(x), std::asin(x), 1e-12) << x;
        EXPECT_NEAR(tavrel::sun_math::Acos(x), std::acos(x), 1e-12) << x;
        EXPECT_NEAR(tavrel::sun_math::Tan(x), std::tan(x), 1e-12) << x;
    }
}
