#pragma once
// What Windows does with the start-up list at log-on: each "Run" entry is started, each "RunOnce" entry
// removed and then started, under both roots.

#include "config/reg_api.h"

#include <functional>
#include <iosfwd>
#include <string>

namespace tavrel {

// `start` starts one command line and says whether it could; problems go to `err`. Returns the number of
// entries started.
int RunBootEntries(Registry& registry, const std::function<bool(const std::string&, std::string&)>& start,
                   std::ostream& err);

} // namespace tavrel
