#include "boardio/board_presets.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace tavrel {
namespace {

TEST(BoardPresets, Rows0To15Are8255ControlWords) {
    for (size_t row = 0; row < 16; ++row) {
        const AddressPresetRow& r = kAddressPresets[row];
        const long base = std::strtol(std::string(r.base).c_str(), nullptr, 16);
        EXPECT_EQ(std::strtol(std::string(r.input).c_str(), nullptr, 16), base + 1) << row;
        EXPECT_EQ(std::strtol(std::string(r.cntl).c_str(), nullptr, 16), base + 3) << row;
        const long config = std::strtol(std::string(r.config).c_str(), nullptr, 16);
        EXPECT_EQ(config & 0xE4, 0x80) << "mode 0 with only the four direction bits: row " << row;
    }
    EXPECT_EQ(kAddressPresets[16].base, "FireCOMM1");
    EXPECT_EQ(kAddressPresets[19].cntl, "FireHouseD");
    EXPECT_EQ(kAddressPresets[22].base, "3BC");
}

TEST(BoardPresets, OnlyTheFirstFourFieldsAreValues) {
    EXPECT_EQ(PresetFields(kBoardPresets[2].cntlAddress), (std::vector<std::string>{"1", "1", "2", "2"}));
    EXPECT_EQ(PresetFields(kBoardPresets[0].baseAddress),
              (std::vector<std::string>{"300", "302", "308", "30A"}));
    EXPECT_EQ(PresetFields(kBoardPresets[1].chipSetType)[2], "FireCracker");
}

TEST(BoardPresets, FireHouseNames) {
    EXPECT_EQ(FireHouseNumber("FireHouseA"), 1);
    EXPECT_EQ(FireHouseNumber("FireHouseP"), 16);
    EXPECT_EQ(FireHouseNumber("FireHousea"), 17);
    EXPECT_EQ(FireHouseNumber("FireHousep"), 32);
    EXPECT_EQ(FireHouseNumber("FireHouseQ"), 0);
    EXPECT_EQ(FireHouseNumber("FireHouse"), 0);
    EXPECT_EQ(FireHouseName(17), "FireHousea");
    EXPECT_EQ(FireHouseName(33), "");
}

} // namespace
} // namespace tavrel
