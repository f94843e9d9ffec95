#include "boardio/chip_set_types.h"

#include "common/text.h"

namespace tavrel {

namespace {

const BoardType kUnknownType{"", BoardKind::PortIo, 0, "", false};

// "LPT1", "Lpt1" and "lpt1" name the same port in a log tag; other case mixes do not.
bool SpellingOf(std::string_view type, std::string_view name) {
    if (type == name)
        return true;
    std::string lower = ToLower(name);
    if (type == lower)
        return true;
    if (!lower.empty())
        lower[0] = ToUpper(lower.substr(0, 1))[0];
    return type == lower;
}

} // namespace

const BoardType& BoardTypeOf(std::string_view type) {
    for (const BoardType& t : kBoardTypes)
        if (t.name == type)
            return t;
    return kUnknownType;
}

bool KnownBoardType(std::string_view type) {
    return &BoardTypeOf(type) != &kUnknownType;
}

BoardKind ChipSetKind(std::string_view type) {
    return BoardTypeOf(type).kind;
}

int SettlePauseMs(std::string_view type) {
    return BoardTypeOf(type).settleMs;
}

std::string_view LogTagOf(std::string_view type) {
    for (const BoardType& t : kBoardTypes)
        if (!t.logTag.empty() &&
            (t.kind == BoardKind::FireCracker ? type == t.name : SpellingOf(type, t.name)))
            return t.logTag;
    return {};
}

std::string RelayStateCaption(std::string_view type, int n, const std::string& relayMarks) {
    const char* prefix = ChipSetKind(type) == BoardKind::FireCracker ? "FireCraker " : "RelayState ";
    return prefix + std::to_string(n) + " : " + relayMarks;
}

std::string InputStateCaption(std::string_view type, int n, const std::string& inputMarks) {
    if (ChipSetKind(type) == BoardKind::FireCracker)
        return std::string(kFireCracker);
    return "Inputstate " + std::to_string(n) + " : " + inputMarks;
}

} // namespace tavrel
