#pragma once
// The program's single-byte text (Windows-1252) to and from UTF-8, and UTF-16LE to UTF-8.

#include <string>

namespace tavrel {

std::string Cp1252ToUtf8(const std::string& text);
// Characters that Windows-1252 cannot hold become "?"; so do malformed sequences.
std::string Utf8ToCp1252(const std::string& text);
// The first character of UTF-8 `text` that Windows-1252 has no byte for, as it stands there; "" when
// Utf8ToCp1252 keeps every character.
std::string FirstCharacterNotInCp1252(const std::string& text);
// `bytes` without its byte-order mark; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(const std::string& bytes);

// Each byte as one UTF-16LE unit: every Windows-1252 character is a single unit outside the surrogates.
std::string Cp1252ToUtf16Le(const std::string& text);
// The inverse of Cp1252ToUtf16Le for an even number of bytes; other characters become "?".
std::string Utf16LeToCp1252(const std::string& bytes);

// Where well-formed text ends: the offset of the first byte that is not part of a well-formed character
// (an odd trailing byte, an unpaired surrogate; an overlong form, a surrogate or a stray byte in UTF-8),
// or std::string::npos when all is well.
size_t Utf16LeDamageAt(const std::string& bytes);
size_t Utf8DamageAt(const std::string& text);

} // namespace tavrel
