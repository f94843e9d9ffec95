#include "platform/calendar_reader.h"

namespace tavrel {

bool CalendarReaderBuiltIn() {
    return false;
}

std::unique_ptr<CalendarReader> LoadCalendarReader(std::string& error) {
    error = "this build reads no calendar files";
    return nullptr;
}

} // namespace tavrel
