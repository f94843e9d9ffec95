#pragma once
// Address and number texts of the configuration windows: hexadecimal as the "&H" prefix reads it, the
// FireCracker port words, and the leading-number reading of the kill fields.

#include "common/blank_entry.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel {

bool StartsWith(std::string_view text, std::string_view prefix);

// The hexadecimal number the text begins with ("2A0" is 672, "1G" is 1, "ZZ" is 0); an optional "&H" and
// a trailing "&" are allowed, so the string table's colours ("&HFFFF&") read too. At most 8 digits count.
int64_t HexTextValue(std::string_view text);

// True when the text is hexadecimal digits only (after an optional "&H").
bool IsHexNumber(std::string_view text);

// Upper-case hexadecimal without prefix, as the address fields show it.
std::string HexText(int64_t value);

// "FireCOMM1".."FireCOMM8" give 1..8; anything else 0.
int FireCommNumber(std::string_view text);
std::string FireCommName(int port);

// The number a kill field begins with, rounded half to even into the 16-bit range ("abc" is 0).
int32_t LeadingInteger(const std::string& text);

} // namespace tavrel
