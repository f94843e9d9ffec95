#include "mainwindow/schedule_entry.h"

#include "common/text.h"

#include "common/blank_entry.h"
#include "engine/pair_rules.h"
#include "engine/pair_times.h"
#include "engine/relay_display.h"
#include "engine/time_text.h"
#include "engine/total_time.h"
#include "mainwindow/time_pair_overlap.h"

#include <algorithm>
#include <array>

namespace tavrel {

namespace {

constexpr const char* kEntryError = "Entry Error";

bool ReadsAsNumber(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    if (!s.empty() && (s.front() == '+' || s.front() == '-'))
        s.remove_prefix(1);
    int digits = 0;
    int points = 0;
    for (char c : s) {
        if (c >= '0' && c <= '9')
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

} // namespace

bool DaysOfWeekAccepted(std::string_view text) {
    return std::find(kTypedAllDaysWords.begin(), kTypedAllDaysWords.end(), text) !=
               kTypedAllDaysWords.end() ||
           ReadsAsNumber(text);
}

std::string NormaliseCycleCode(std::string_view text) {
    const std::string code = ToUpper(text.substr(0, 2));
    return code == "0" ? std::string() : code;
}

bool CycleCodeAccepted(std::string_view code) {
    // A blank code is no code: every pair plain.
    static constexpr std::array<std::string_view, 3> kBlankCodes{"  ", " ", ""};
    return std::find(kBlankCodes.begin(), kBlankCodes.end(), code) != kBlankCodes.end() ||
           std::find(kLetterCodes.begin(), kLetterCodes.end(), code) != kLetterCodes.end() ||
           ReadsAsNumber(code);
}

void ScheduleEntry::StartTimeTyped(int pairIndex) {
    if (!tables_.TimeArray.InRange(pairIndex) || pairIndex % kPairsPerRelay != 0)
        return;
    const int relay = pairIndex / kPairsPerRelay;
    tables_.RelayArray[relay].NextCycleTick = 0;
    BlankTotalTime(display_, relay);
}

EntryOutcome ScheduleEntry::Refuse(std::string shown, std::vector<std::string> lines) {
    boxes_.Tell(MsgIcon::Warning, kEntryError, std::move(lines));
    return {false, std::move(shown)};
}

void ScheduleEntry::Changed() {
    files_.ScheduleChanged = kTrue;
    effects_.WriteRestartFile();
}

void ScheduleEntry::ShowRelay(int relay) {
    ComputeTotalTime(tables_.RelayArray[relay], PairsOfRelay(tables_, relay), clock_.Now().date,
                     &tables_.Sun);
    UpdateRelayDisplay(display_, tables_, settings_, relay);
}

EntryOutcome ScheduleEntry::LeaveStartTime(int pairIndex, const std::string& text) {
    return LeaveTime(pairIndex, text, true);
}

EntryOutcome ScheduleEntry::LeaveEndTime(int pairIndex, const std::string& text) {
    return LeaveTime(pairIndex, text, false);
}

EntryOutcome ScheduleEntry::LeaveTime(int pairIndex, const std::string& text, bool isStart) {
    TimePair* pair = tables_.TimeArray.Slot(pairIndex);
    if (pair == nullptr || pairIndex >= kRelaysPerBoard * kPairsPerRelay)
        return {true, text};
    std::string& stored = isStart ? pair->StartTime : pair->EndTime;
    const std::string& other = isStart ? pair->EndTime : pair->StartTime;
    if (text == stored)
        return {true, text};
    std::string value;
    if (!IsBlankEntry(text)) {
        // The whole text, suffix included, is read; the stored form is always the 24-hour one.
        const auto normal = NormaliseTypedTime(text);
        const auto sun = normal ? std::nullopt : ParseSunTime(text);
        if (!normal && !sun)
            return Refuse(text, {"Time Entered is NOT a valid Time, please re-enter", "",
                                 "Format is HH:MM:SS or HH:MM am/pm (:SS is optional)"});
        if (sun && !tables_.Sun.Place())
            return Refuse(text, {kSunEntryWithoutPlace[0], kSunEntryWithoutPlace[1]});
        value = normal ? *normal : FormatSunTime(*sun);
        if (value == stored)
            return {true, value};
        if (IsBlankEntry(other)) {
            if (!isStart)
                return Refuse(text, {"Start time Required with End time", "To Remove time-pair...",
                                     "   Remove End time first", "To create Time-pair...",
                                     "   Enter Start time first"});
        } else {
            // Checked as the pair would run today; a stored text that is not a time is not compared.
            // A sun-based pair may be out of order today and run on other days; the same text twice never
            // runs.
            const TimePair candidate{isStart ? value : other, isStart ? other : value, kFalse};
            const PairSeconds times = ResolvePairSeconds(candidate, clock_.Now().date, &tables_.Sun);
            if (!times.sunBased && times.usable && times.start > times.end)
                return Refuse(text, {"ON time must be earlier then OFF time"});
            if ((!times.sunBased && times.usable && times.start == times.end) ||
                (times.sunBased && candidate.StartTime == candidate.EndTime))
                return Refuse(text, {"ON time same as OFF"});
        }
    } else if (stored.empty()) {
        return {true, value};
    }
    stored = value;
    AfterTimeStored(pairIndex / kPairsPerRelay);
    WarnWhenSunPairNeverRuns(*pair);
    return {true, value};
}

void ScheduleEntry::WarnWhenSunPairNeverRuns(const TimePair& pair) {
    if (!PairInUse(pair) || !(IsSunBasedText(pair.StartTime) || IsSunBasedText(pair.EndTime)))
        return;
    if (!PairRunsOnSomeDay(pair, clock_.Now().date, 366, tables_.Sun))
        boxes_.Tell(MsgIcon::Warning, "Warning !",
                    {"This time-pair would not run on any day of the next year at the set location:",
                     "a pair runs only on days when its ON time comes before its OFF time.", "",
                     "For dusk to dawn use two pairs: sunset to 23:59:59 and 00:00:00 to sunrise."});
}

void ScheduleEntry::AfterTimeStored(int relay) {
    if (RelayPairsOverlap(tables_, relay, clock_.Now().date) && IsSet(settings_.WarnOverLapTime))
        boxes_.Tell(MsgIcon::Warning, "Warning !", {"Your Last Entry Over-Laps another Time-Pair"});
    ShowRelay(relay);
    Changed();
    effects_.EnableTimer();
    effects_.CheckScheduleNow();
}

EntryOutcome ScheduleEntry::LeaveDaysOfWeek(int relay, const std::string& text) {
    RelayRecord* r = tables_.RelayArray.Slot(relay);
    if (r == nullptr || relay >= kRelaysPerBoard)
        return {true, text};
    if (!DaysOfWeekAccepted(text))
        return Refuse(text, {"Invalid Days of Week Entered, please re-enter"});
    if (text != r->DaysOfWeek) {
        r->DaysOfWeek = text;
        r->NextCycleTick = 0;
        UpdateRelayDisplay(display_, tables_, settings_, relay);
        Changed();
    }
    return {true, text};
}

EntryOutcome ScheduleEntry::LeaveCycleCode(int relay, const std::string& text) {
    RelayRecord* r = tables_.RelayArray.Slot(relay);
    if (r == nullptr || relay >= kRelaysPerBoard)
        return {true, text};
    const std::string code = NormaliseCycleCode(text);
    if (!CycleCodeAccepted(code))
        return Refuse(code, {"Invalid Even/Odd Entered, please re-enter"});
    const std::string stored = r->CycleCode == "0" ? std::string() : r->CycleCode;
    bool changed = false;
    if (code != stored) {
        r->CycleCode = code;
        r->NextCycleTick = 0;
        changed = true;
    }
    if (CyclicMinutes(r->CycleCode)) {
        // Cleared before the restart file is written, so a resumed schedule agrees with this one.
        changed = changed || IsSet(r->Invert);
        r->Invert = kFalse;
    } else {
        r->NextCycleText = "Invert";
    }
    ShowRelay(relay);
    if (changed)
        Changed();
    return {true, code};
}

EntryOutcome ScheduleEntry::LeaveDisplayName(int relay, const TypedText& name) {
    RelayRecord* r = tables_.RelayArray.Slot(relay);
    // A "?" in place of the character would be kept without a word: the old name stays instead.
    if (r != nullptr && RefusedAsUnholdable(name, "a relay name", boxes_))
        return {false, r->DisplayName};
    if (r != nullptr && relay < kRelaysPerBoard && name.text != r->DisplayName) {
        r->DisplayName = name.text;
        Changed();
    }
    return {true, name.text};
}

void ScheduleEntry::SetIconFile(int relay, const std::string& path) {
    RelayRecord* r = tables_.RelayArray.Slot(relay);
    if (r == nullptr || relay >= kRelaysPerBoard || path.empty() || path == r->IconFile)
        return;
    r->IconFile = path;
    Changed();
}

} // namespace tavrel
