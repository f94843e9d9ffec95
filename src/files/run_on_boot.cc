#include "files/run_on_boot.h"

namespace tavrel {

bool IsRunMeMarkerWord(std::string_view word) {
    const std::string_view marker = kRunMeMarker;
    const size_t blank = marker.find(' ');
    return !word.empty() && (word == marker.substr(0, blank) || word == marker.substr(blank + 1));
}

namespace {

struct SearchedKey {
    int32_t root;
    const char* key;
    int16_t kind;
};

constexpr std::array<SearchedKey, 8> kSearched{{
    {kHkeyLocalMachine, kRunKey, kRunOnBootAlways},
    {kHkeyLocalMachine, kRunOnceKey, kRunOnBootOnce},
    {kHkeyLocalMachine, kRunServicesKey, kRunOnBootAlways},
    {kHkeyLocalMachine, kRunOnceServicesKey, kRunOnBootOnce},
    {kHkeyCurrentUser, kRunKey, kRunOnBootAlways},
    {kHkeyCurrentUser, kRunOnceKey, kRunOnBootOnce},
    {kHkeyCurrentUser, kRunServicesKey, kRunOnBootAlways},
    {kHkeyCurrentUser, kRunOnceServicesKey, kRunOnBootOnce},
}};

} // namespace

bool clsRunOnBootOnceAlways::KeyExists(int32_t root, const char* key) {
    return reg_.ReadRegValueCheck(root, key, kRunMeValueName, false) != kRegKeyNotFound;
}

bool clsRunOnBootOnceAlways::HasEntry(int32_t root, const char* key) {
    const std::string value = reg_.ReadRegValueCheck(root, key, kRunMeValueName, false);
    return value != kRegKeyNotFound && value != kRegValueNameNotFound;
}

int16_t clsRunOnBootOnceAlways::CheckRunMeOnBoot() {
    for (const SearchedKey& k : kSearched)
        if (HasEntry(k.root, k.key))
            return k.kind;
    return kRunOnBootNone;
}

int16_t clsRunOnBootOnceAlways::SetRunMeAlways(const std::string& programPath) {
    reg_.SetNewValue(kHkeyLocalMachine, kRunKey, "String", kRunMeValueName, programPath + " " + kRunMeMarker,
                     true);
    return 0;
}

int16_t clsRunOnBootOnceAlways::SetRunMeOnce(const std::string& programPath) {
    reg_.SetNewValue(kHkeyLocalMachine, kRunOnceKey, "String", kRunMeValueName,
                     programPath + " " + kRunMeMarker, true);
    return 0;
}

int16_t clsRunOnBootOnceAlways::SetRunMeNever() {
    for (const SearchedKey& k : kSearched)
        if (HasEntry(k.root, k.key))
            reg_.DeleteRegValue(k.root, k.key, kRunMeValueName, true);
    return 0;
}

bool clsRunOnBootOnceAlways::VerifyRunOnBoot() {
    static constexpr std::array<const char*, 6> kTried{
        kRunKey, kRunOnceKey, kRunServicesKey, kRunOnceServicesKey, kRunKey, kRunKey};
    for (int32_t root : {kHkeyLocalMachine, kHkeyCurrentUser})
        for (const char* key : kTried)
            if (KeyExists(root, key))
                return true;
    boxes_.Tell(MsgIcon::Warning, "Tavrel",
                {"A Registry Key does not exist", "", "Tavrel cannot install Run-On-Boot", "",
                 "Create a Shortcut in the Startup group", "",
                 "  under Programs in the Start button to setup Run-On-Boot"});
    return false;
}

} // namespace tavrel
