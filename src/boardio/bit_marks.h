#pragma once
// A port byte shown as eight marks, bit 0 first: "1".."8" for a set bit, "-" for a clear one.

#include <cstdint>
#include <string>

namespace tavrel {

// 0x85 gives "1 - 3 - - - - 8".
std::string BitMarks(uint8_t byte);

} // namespace tavrel
