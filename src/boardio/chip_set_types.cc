#include "boardio/chip_set_types.h"

namespace tavrel {

BoardKind ChipSetKind(std::string_view type) {
    return type == kFireCracker ? BoardKind::FireCracker : BoardKind::PortIo;
}

int SettlePauseMs(std::string_view type) {
    struct Entry {
        std::string_view type;
        int ms;
    };
    static constexpr std::array<Entry, 8> kPauses{{{"PCL-725", 200},
                                                   {"ACL-7125", 300},
                                                   {"FireCracker", 400},
                                                   {"SlowCard1", 100},
                                                   {"SlowCard2", 200},
                                                   {"SlowCard3", 300},
                                                   {"SlowCard4", 400},
                                                   {"SlowCard5", 500}}};
    for (const Entry& e : kPauses)
        if (e.type == type)
            return e.ms;
    return 0;
}

} // namespace tavrel
