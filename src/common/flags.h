#pragma once
// The 16-bit flags the tables and settings hold: -1 true, 0 false; check-box values hold 1 for set.

#include <cstdint>

namespace tavrel {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// Whether a flag is set. Any non-zero value counts, so a flag stored as a check-box 1 (or a -1 in a
// check-box field) reads the same everywhere; the few rules that need exactly 1 say so where they test it.
constexpr bool IsSet(int16_t flag) {
    return flag != 0;
}

constexpr int16_t ToFlag(bool set) {
    return set ? kTrue : kFalse;
}

} // namespace tavrel
