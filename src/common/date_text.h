#pragma once
// A calendar date as the command line and the lists write it.

#include "platform/clock.h"

#include <string>

namespace tavrel {

// "YYYY-MM-DD".
std::string IsoDateText(const CalendarDate& date);

} // namespace tavrel
