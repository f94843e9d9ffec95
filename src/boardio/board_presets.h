#pragma once
// The address lists and the whole-board presets that the board settings dialog offers.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// One row fills one entry of each of the four address lists (hex texts, or the FireCracker words).
struct AddressPresetRow {
    std::string_view base;
    std::string_view input;
    std::string_view cntl;
    std::string_view config;
};

inline constexpr std::array<AddressPresetRow, 23> kAddressPresets{{
    {"200", "201", "203", "80"},
    {"220", "221", "223", "81"},
    {"240", "241", "243", "82"},
    {"260", "261", "263", "83"},
    {"280", "281", "283", "88"},
    {"2A0", "2A1", "2A3", "89"},
    {"2C0", "2C1", "2C3", "8A"},
    {"2E0", "2E1", "2E3", "8B"},
    {"300", "301", "303", "90"},
    {"310", "311", "313", "91"},
    {"318", "319", "31B", "92"},
    {"320", "321", "323", "93"},
    {"328", "329", "32B", "98"},
    {"330", "331", "333", "99"},
    {"338", "339", "33B", "9A"},
    {"340", "341", "343", "9B"},
    {"FireCOMM1", "NotFireCracker", "FireHouseA", "NotFireCracker"},
    {"FireCOMM2", "NotFireCracker", "FireHouseB", "NotFireCracker"},
    {"FireCOMM3", "NotFireCracker", "FireHouseC", "NotFireCracker"},
    {"FireCOMM4", "NotFireCracker", "FireHouseD", "NotFireCracker"},
    {"378", "378", "378", "378"},
    {"278", "278", "278", "278"},
    {"3BC", "3BC", "3BC", "3BC"},
}};

// A preset for the four boards: each text holds four comma-separated values, perhaps followed by a comment.
struct BoardPreset {
    std::string_view name;
    std::string_view chipSetType;
    std::string_view baseAddress;
    std::string_view inputAddress;
    std::string_view cntlAddress;
    std::string_view portConfigValue;
};

inline constexpr std::array<BoardPreset, 3> kBoardPresets{{
    {"Relay cards", "CBRelay16A,CBRelay16B,CBRelay16A,CBRelay16B", "300,302,308,30A", "301,303,309,30B",
     "0,0,0,0", "0,0,0,0"},
    {"Mixed relay cards and FireCracker", "CBRelay16A,CBRelay16B,FireCracker,FireCracker", "300,302,2,2",
     "301,303,0,0", "0,0,1,1,FireHouseA,FireHousea", "0,0,0,0"},
    {"FireCracker only", "FireCracker,FireCracker,FireCracker,FireCracker", "2,2,2,2", "0,0,0,0",
     "1,1,2,2,FireHouseA,FireHousea,FireHouseB,FireHouseb", "0,0,0,0"},
}};

// The four values of a preset text; a comment after the fourth is dropped.
std::vector<std::string> PresetFields(std::string_view text);

// "FireHouseA".."FireHouseP" = 1..16, "FireHousea".."FireHousep" = 17..32; 0 for anything else.
int FireHouseNumber(std::string_view text);
std::string FireHouseName(int number);

} // namespace tavrel
