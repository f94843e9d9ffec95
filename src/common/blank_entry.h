#pragma once
// A box the user left empty: nothing, or the single blank that stored files and settings use for it.

#include <string_view>

namespace tavrel {

inline bool IsBlankEntry(std::string_view text) {
    return text.empty() || text == " ";
}

} // namespace tavrel
