#pragma once
// The entry points of libical that the calendar reader uses, looked up by name in the library loaded at
// run time.

#include "platform/cold_code.h"

#include <dlfcn.h>
#include <libical/ical.h>

namespace tavrel::libical_api {

struct LibicalApi {
    decltype(&icalparser_new) parser_new = nullptr;
    decltype(&icalparser_free) parser_free = nullptr;
    decltype(&icalparser_add_line) add_line = nullptr;
    decltype(&icalparser_get_state) get_state = nullptr;
    decltype(&icalparser_clean) clean = nullptr;
    decltype(&icalcomponent_free) component_free = nullptr;
    decltype(&icalcomponent_isa) isa = nullptr;
    decltype(&icalcomponent_get_first_component) first_component = nullptr;
    decltype(&icalcomponent_get_next_component) next_component = nullptr;
    decltype(&icalcomponent_get_first_property) first_property = nullptr;
    decltype(&icalcomponent_get_next_property) next_property = nullptr;
    decltype(&icalcomponent_get_summary) get_summary = nullptr;
    decltype(&icalcomponent_get_dtstart) get_dtstart = nullptr;
    decltype(&icalcomponent_get_dtend) get_dtend = nullptr;
    decltype(&icalproperty_get_rrule) get_rrule = nullptr;
    decltype(&icalproperty_get_rdate) get_rdate = nullptr;
    decltype(&icalproperty_get_exdate) get_exdate = nullptr;
    decltype(&icalproperty_get_xlicerror) get_xlicerror = nullptr;
    decltype(&icalrecur_iterator_new) recur_new = nullptr;
    decltype(&icalrecur_iterator_next) recur_next = nullptr;
    decltype(&icalrecur_iterator_free) recur_free = nullptr;
    decltype(&icaltime_is_null_time) is_null_time = nullptr;
};

template <typename F> TAVREL_COLD inline bool Resolve(void* library, const char* name, F& f) {
    f = reinterpret_cast<F>(::dlsym(library, name));
    return f != nullptr;
}

TAVREL_COLD inline bool ResolveAll(void* lib, LibicalApi& a) {
    return Resolve(lib, "icalparser_new", a.parser_new) && Resolve(lib, "icalparser_free", a.parser_free) &&
           Resolve(lib, "icalparser_add_line", a.add_line) &&
           Resolve(lib, "icalparser_get_state", a.get_state) && Resolve(lib, "icalparser_clean", a.clean) &&
           Resolve(lib, "icalcomponent_free", a.component_free) && Resolve(lib, "icalcomponent_isa", a.isa) &&
           Resolve(lib, "icalcomponent_get_first_component", a.first_component) &&
           Resolve(lib, "icalcomponent_get_next_component", a.next_component) &&
           Resolve(lib, "icalcomponent_get_first_property", a.first_property) &&
           Resolve(lib, "icalcomponent_get_next_property", a.next_property) &&
           Resolve(lib, "icalcomponent_get_summary", a.get_summary) &&
           Resolve(lib, "icalcomponent_get_dtstart", a.get_dtstart) &&
           Resolve(lib, "icalcomponent_get_dtend", a.get_dtend) &&
           Resolve(lib, "icalproperty_get_rrule", a.get_rrule) &&
           Resolve(lib, "icalproperty_get_rdate", a.get_rdate) &&
           Resolve(lib, "icalproperty_get_exdate", a.get_exdate) &&
           Resolve(lib, "icalproperty_get_xlicerror", a.get_xlicerror) &&
           Resolve(lib, "icalrecur_iterator_new", a.recur_new) &&
           Resolve(lib, "icalrecur_iterator_next", a.recur_next) &&
           Resolve(lib, "icalrecur_iterator_free", a.recur_free) &&
           Resolve(lib, "icaltime_is_null_time", a.is_null_time);
}

} // namespace tavrel::libical_api
