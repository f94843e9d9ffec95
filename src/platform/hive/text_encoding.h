#pragma once
// The program's single-byte text (Windows-1252) to and from UTF-8, and UTF-16LE to UTF-8.

#include <string>

namespace tavrel {

std::string Cp1252ToUtf8(const std::string& text);
// Characters that Windows-1252 cannot hold become "?"; so do malformed sequences.
std::string Utf8ToCp1252(const std::string& text);
// `bytes` without its byte-order mark; unpaired surrogates become U+FFFD.
std::string Utf16LeToUtf8(const std::string& bytes);

} // namespace tavrel
