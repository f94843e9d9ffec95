#include "shell/holiday_service.h"

#include "support/fake_calendar_reader.h"
#include "support/test_platform.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace tavrel {
namespace {

class HolidayServiceTest : public ::testing::Test {
protected:
    HolidayServiceTest() {
        t.platform.clock.Set(2027, 7, 25, 12, 0, 0);
        reader->files[path] = test::AllDayEventFile("Summer closing", {2027, 7, 26}, {2027, 8, 7});
        test::WriteWholeFile(path, "BEGIN:VCALENDAR\r\n");
    }
    HolidayService Service() {
        return HolidayService(
            t.ctx, [this](const std::string& line) { said.push_back(line); },
            [this](std::string&) {
                ++loads;
                return std::move(reader);
            });
    }
    void Day(int day) { t.platform.clock.Set(2027, 7, day, 0, 0, 1); }

    test::TestContext t;
    std::string path = t.platform.home.File("holidays.ics");
    std::unique_ptr<test::FakeCalendarReader> reader = std::make_unique<test::FakeCalendarReader>();
    test::FakeCalendarReader* files = reader.get();
    int loads = 0;
    std::vector<std::string> said;
};

TEST_F(HolidayServiceTest, WithoutCalendarFilesTheLibraryIsNeverLoaded) {
    HolidayService service = Service();
    service.Load();
    Day(26);
    service.NewDayCheck();
    EXPECT_EQ(loads, 0);
    EXPECT_TRUE(said.empty());
    EXPECT_EQ(service.Today(), nullptr);
}

TEST_F(HolidayServiceTest, ANewDayReadsTheFilesAgainOnlyWhenOneChanged) {
    t.ctx.settings.HolidayFiles = path;
    HolidayService service = Service();
    service.Load();
    EXPECT_EQ(said, std::vector<std::string>{
                        "Holidays: 12 dates in the coming year from 1 calendar file; today is no holiday"});
    Day(26);
    service.NewDayCheck();
    ASSERT_NE(service.Today(), nullptr);
    EXPECT_EQ(service.Today()->name, "Summer closing");
    EXPECT_EQ(files->read.size(), 1u);

    std::filesystem::last_write_time(path, std::filesystem::last_write_time(path) + std::chrono::hours(1));
    Day(27);
    service.NewDayCheck();
    EXPECT_EQ(files->read.size(), 2u);
    service.Load(); // a reload: the library stays loaded
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(said.back(),
              "Holidays: 11 dates in the coming year from 1 calendar file; today is Summer closing");
}

// What a reading could not read stays said (for the window) until a reading finds all; each is counted.
TEST_F(HolidayServiceTest, AFileNotReadIsKeptUntilTheNextReading) {
    const std::string gone = t.platform.home.File("gone.ics");
    t.ctx.settings.HolidayFiles = path + ";" + gone;
    HolidayService service = Service();
    service.Load();
    ASSERT_EQ(service.Problems().size(), 1u);
    EXPECT_NE(service.Problems()[0].find("\"" + gone + "\" cannot be read"), std::string::npos);
    EXPECT_EQ(service.Calendar().Between({2027, 7, 1}, {2027, 8, 31}).size(), 12u);
    t.ctx.settings.HolidayFiles = path;
    service.Load();
    EXPECT_TRUE(service.Problems().empty());
    EXPECT_EQ(service.Readings(), 2);
}

} // namespace
} // namespace tavrel
