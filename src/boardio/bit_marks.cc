#include "boardio/bit_marks.h"

namespace tavrel {

std::string BitMarks(uint8_t byte) {
    std::string out;
    for (int bit = 0; bit < 8; ++bit) {
        if (bit > 0)
            out += ' ';
        out += (byte >> bit) & 1 ? static_cast<char>('1' + bit) : '-';
    }
    return out;
}

} // namespace tavrel
