#pragma once
// clsRunOnBootOnceAlways: the program's entry in the system's start-up list, and the menu commands
// "Always", "Next Time" and "Never".

#include "config/reg_api.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrel {

inline constexpr const char* kRunMeValueName = "TavrelRunMe";
inline constexpr const char* kRunMeMarker = "k572mx83pqa914 0x00c4e21b";
// Whether `word` is one of the marker's words, as they reach a program started from the entry.
bool IsRunMeMarkerWord(std::string_view word);
inline constexpr const char* kRunKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunOnceKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr const char* kRunServicesKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunServices";
inline constexpr const char* kRunOnceServicesKey =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\RunOnceServices";

// CheckRunMeOnBoot results.
constexpr int16_t kRunOnBootNone = 0;
constexpr int16_t kRunOnBootAlways = 1;
constexpr int16_t kRunOnBootOnce = 2;

class clsRunOnBootOnceAlways {
public:
    clsRunOnBootOnceAlways(modRegAPI& reg, MessageBoxes& boxes) : reg_(reg), boxes_(boxes) {}

    int16_t CheckRunMeOnBoot();
    int16_t SetRunMeAlways(const std::string& programPath);
    int16_t SetRunMeOnce(const std::string& programPath);
    int16_t SetRunMeNever();
    bool VerifyRunOnBoot();

private:
    bool KeyExists(int32_t root, const char* key);
    bool HasEntry(int32_t root, const char* key);

    modRegAPI& reg_;
    MessageBoxes& boxes_;
};

} // namespace tavrel
