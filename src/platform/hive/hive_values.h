#pragma once
// One value line of a hive file: the quoted name, then the data as a quoted text, dword:, hex: or hex(n):.

#include "platform/hive/hive_data.h"

#include <string>

namespace tavrel {

// `"name"=data` (or `@=data`), never holding a line break, a carriage return or a NUL: a name's control
// characters are escaped (\n, \r, \0) and a text holding one is written as UTF-16LE bytes (hex(1):), as
// the Windows registry editor exports it.
std::string FormatValueLine(const HiveValue& v);

// Reads a value line into `v`; false when it is not one.
bool ParseValueLine(const std::string& line, HiveValue& v);

} // namespace tavrel
