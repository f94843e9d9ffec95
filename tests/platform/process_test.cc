#include "platform/process.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(InstanceLock, ASecondCopyIsNoticed) {
    test::TempHome home;
    auto first = AcquireInstanceLock(home.Path());
    EXPECT_FALSE(first->AnotherCopyRunning());
    auto second = AcquireInstanceLock(home.Path());
    EXPECT_TRUE(second->AnotherCopyRunning());
    second.reset();
    first.reset();
    EXPECT_FALSE(AcquireInstanceLock(home.Path())->AnotherCopyRunning()) << "released with the first copy";
}

TEST(OsFamily, OneOfTheKnownFamilies) {
    const std::string family = OsFamilyText();
    EXPECT_TRUE(family == "9x" || family == "NT" || family == "2k" || family == "XP") << family;
}

} // namespace
} // namespace tavrel
