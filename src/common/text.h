#pragma once
// The small text vocabulary every layer shares: trimming, case, hex digits, prefixes.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tavrel {

// Blanks as a line of a file or a typed value may carry them.
inline constexpr std::string_view kBlanks = " \t\r\n";

// `s` without the leading and trailing characters found in `chars`.
std::string_view Trim(std::string_view s, std::string_view chars = kBlanks);

// ASCII case only: the settings, codes and file names compared here are single-byte texts whose bytes
// above 127 are Windows-1252 and must pass through unchanged.
std::string ToLower(std::string_view s);
std::string ToUpper(std::string_view s);
bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view s, std::string_view prefix);

// Upper-case hex digits of `value`, zero-padded to `width` ("2A0", HexText(3, 2) == "03").
std::string HexText(uint32_t value, int width = 0);

// The whole of `s` read as hex digits (either case, no prefix, at most 8 digits), or nothing.
std::optional<uint32_t> ParseHex(std::string_view s);

} // namespace tavrel
