#include "common/date_text.h"

#include <cstdio>

namespace tavrel {

std::string IsoDateText(const CalendarDate& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return text;
}

} // namespace tavrel
