// The configuration window's Location section: what each entry stores, what it refuses, and what today's
// line says as the user types.

#include "config/location_model.h"
#include "engine/schedule_records.h"

#include "support/fake_message_boxes.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

class LocationSection : public ::testing::Test {
protected:
    LocationSection() {
        targets.sunToday = [](double lat, double lon) {
            return "sun at " + std::to_string(static_cast<int>(lat)) + " " +
                   std::to_string(static_cast<int>(lon));
        };
    }
    Settings settings;
    ScheduleTables tables;
    test::FakeMessageBoxes boxes;
    ConfigurationTargets targets{settings, tables.BoardArray, tables.RelayGroupColors, boxes, {}};
    ConfigChangeFlag changes;
    LocationModel model{targets, changes};
};

TEST_F(LocationSection, StoresACoordinateAndRefusesWhatIsNotOne) {
    EXPECT_TRUE(model.Leave(Coordinate::Latitude, " 52.52 "));
    EXPECT_EQ(settings.Latitude, "52.52");
    EXPECT_TRUE(changes.changed);

    EXPECT_FALSE(model.Leave(Coordinate::Longitude, "13,40"));
    EXPECT_EQ(settings.Longitude, "");
    EXPECT_EQ(model.Text(Coordinate::Longitude), "");
    ASSERT_EQ(boxes.Count(), size_t(1));
    EXPECT_EQ(boxes.Last().Text(), CoordinateRefusal(Coordinate::Longitude));

    // Clearing is allowed: no location is a setting of its own.
    EXPECT_TRUE(model.Leave(Coordinate::Latitude, ""));
    EXPECT_EQ(settings.Latitude, "");
}

TEST_F(LocationSection, TodayFollowsTheTextsAsTyped) {
    EXPECT_EQ(model.Today(), kNoLocationText);
    model.Type(Coordinate::Latitude, "-33.87");
    EXPECT_EQ(model.Today(), CoordinateRefusal(Coordinate::Longitude));
    model.Type(Coordinate::Longitude, "151.21");
    EXPECT_EQ(model.Today(), "sun at -33 151");
    EXPECT_EQ(settings.Latitude, ""); // typing alone stores nothing
    model.Type(Coordinate::Latitude, "91");
    EXPECT_EQ(model.Today(), CoordinateRefusal(Coordinate::Latitude));
}

} // namespace
} // namespace tavrel
