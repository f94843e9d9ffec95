#pragma once
// The run file's extension block after the fixed layout: the sun-based times, the relays' holiday rules
// (and kinds a later version adds), which a reader of the fixed lines alone never reaches.

#include "engine/schedule_records.h"
#include "platform/clock.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrel {

// What the block held besides the times it set: lines of kinds this version does not know, kept to be
// written back, and the one warning about a damaged block ("" when it read well).
struct ExtensionRead {
    std::vector<std::string> kept;
    std::string warning;
};

// Reads the block from `rest`, the file's text after the last fixed field, whose first line is line
// `firstLine` of the file. Without a block nothing happens. Each good time line replaces that time's text
// in board 1's pairs and each good holiday line sets that relay's rule; a bad line leaves the fixed lines'
// meaning in force.
ExtensionRead ReadExtensionBlock(std::string_view rest, int firstLine, ScheduleTables& tables);

// The block for board 1's pairs and relays and the `kept` lines, CR LF ended; "" when it would hold nothing.
std::string ExtensionBlock(const ScheduleTables& tables, const std::vector<std::string>& kept);

// What a time's fixed line holds: the text itself, or for a sun-based time the time it resolves to on
// `date` ("" when it does not resolve that day).
std::string FixedLineTime(const std::string& text, const CalendarDate& date, const SunTimes& sun);

} // namespace tavrel
