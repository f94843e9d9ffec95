#pragma once
// The stored board values a program cannot drive a board by: an address that is not a number as the
// registry holds it, a chip set type outside the board list, a port address the machine keeps for itself.
// A service refuses to start on them; the listing marks them; the window's load warns of them.

#include "config/reg_api.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrel {

struct BadSettingValue {
    std::string name;   // the registry value name ("BaseAddress1")
    std::string stored; // as the registry holds it
    std::string reason;
};

struct SettingRow;

// A value of the address row `row` that a board of type `chipSetType` may not be given: a port of the
// machine's own for a port board's base, input or control address.
bool RefusedBoardPort(const SettingRow& row, const std::string& chipSetType, int64_t value);

// The bad board values of the stored configuration, in the order the store keeps them; values that are
// not stored are left to the load.
std::vector<BadSettingValue> BadBoardValues(modRegAPI& reg);

// "BaseAddress1 "zz": not a whole decimal number".
std::string BadSettingText(const BadSettingValue& bad);

} // namespace tavrel
