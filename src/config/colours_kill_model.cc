#include "config/colours_kill_model.h"

#include "config/config_text.h"
#include "config/configuration.h"
#include "config/settings_table.h"

#include <algorithm>

namespace tavrel {

namespace {

// The status colours in the order of their buttons.
std::vector<const SettingRow*> StatusRows() {
    std::vector<const SettingRow*> rows = RowsOfKind(SettingKind::StatusColour);
    std::sort(rows.begin(), rows.end(),
              [](const SettingRow* a, const SettingRow* b) { return a->index < b->index; });
    return rows;
}

int32_t Settings::*StatusMember(const SettingRow& row) {
    return std::get<int32_t Settings::*>(row.member);
}

} // namespace

ColoursKillModel::ColoursKillModel(ConfigurationTargets& targets, ConfigChangeFlag& changes)
    : settings_(targets.settings), groupColors_(targets.groupColors), boxes_(targets.boxes),
      changes_(changes) {
    Refresh();
}

void ColoursKillModel::Refresh() {
    for (const SettingRow* row : StatusRows())
        statusColours_[static_cast<size_t>(row->index)] = settings_.*StatusMember(*row);
    boardText_ = std::to_string(settings_.KillBySignalBoardNum + 1);
    inputText_ = std::to_string(settings_.KillBySignalInputNum + 1);
    delayText_ = std::to_string(settings_.KillMiscEnableDelay);
    buttonNameText_ = settings_.KillMiscButtonName;
}

void ColoursKillModel::PickStatusColour(int index, std::optional<int32_t> chosen) {
    if (!chosen)
        return;
    statusColours_[static_cast<size_t>(index)] = *chosen;
    changes_.Mark();
}

void ColoursKillModel::PickGroupColour(int group, std::optional<int32_t> chosen) {
    if (!chosen)
        return;
    groupColors_[group] = *chosen;
    changes_.Mark();
}

void ColoursKillModel::StoreStatusColours() {
    for (const SettingRow* row : StatusRows())
        settings_.*StatusMember(*row) = statusColours_[static_cast<size_t>(row->index)];
}

int16_t Settings::*ColoursKillModel::CheckMember(KillCheck which) const {
    switch (which) {
    case KillCheck::ByButton:
        return &Settings::KillByButton;
    case KillCheck::BySignal:
        return &Settings::KillBySignal;
    case KillCheck::ActionAllOff:
        return &Settings::KillActionAllOff;
    case KillCheck::ActionExitProgram:
        return &Settings::KillActionExitProgram;
    case KillCheck::ActionShutDown:
        return &Settings::KillActionShutDown;
    case KillCheck::ButtonOnTop:
        break;
    }
    return &Settings::KillMiscButtonOnTop;
}

void ColoursKillModel::Store(int16_t& setting, int16_t value) {
    if (setting != value) {
        setting = value;
        changes_.Mark();
    }
}

std::string ColoursKillModel::KillWarning() const {
    const bool enabled = Check(KillCheck::ByButton) || Check(KillCheck::BySignal);
    const bool acts = Check(KillCheck::ActionAllOff) || Check(KillCheck::ActionExitProgram) ||
                      Check(KillCheck::ActionShutDown);
    return enabled && !acts
               ? "A kill is enabled with no action: it will do nothing. Tick All Off, Exit Program "
                 "or Shut Down."
               : "";
}

bool ColoursKillModel::Check(KillCheck which) const {
    return settings_.*CheckMember(which) != 0;
}

void ColoursKillModel::SetCheck(KillCheck which, bool on) {
    Store(settings_.*CheckMember(which), on ? 1 : 0);
}

void ColoursKillModel::SetGoesHigh(bool high) {
    Store(settings_.KillBySignalGoesHigh, high ? kTrue : kFalse);
    Store(settings_.KillBySignalGoesLow, high ? kFalse : kTrue);
}

bool ColoursKillModel::LeaveBoardNumber(const std::string& text) {
    const int32_t n = LeadingInteger(text);
    if (n > 0 && n < kMaxBoardIndex + 2) {
        Store(settings_.KillBySignalBoardNum, static_cast<int16_t>(n - 1));
        boardText_ = std::to_string(n);
        return true;
    }
    boardText_ = std::to_string(settings_.KillBySignalBoardNum + 1);
    boxes_.Tell(MsgIcon::Error, "Error: Invalid Board Number", {"Enter a Valid Board Number (1-4)"});
    return false;
}

bool ColoursKillModel::LeaveInputNumber(const std::string& text) {
    const int32_t n = LeadingInteger(text);
    if (n > 0 && n < 9) {
        Store(settings_.KillBySignalInputNum, static_cast<int16_t>(n - 1));
        inputText_ = std::to_string(n);
        return true;
    }
    inputText_ = std::to_string(settings_.KillBySignalInputNum + 1);
    boxes_.Tell(MsgIcon::Error, "Error: Invalid Input Signal Number",
                {"Enter a Valid Input Signal Number (1-8)"});
    return false;
}

void ColoursKillModel::LeaveEnableDelay(const std::string& text) {
    int32_t n = LeadingInteger(text);
    // A negative multiplier has no meaning for a delay; it counts as none.
    if (n < 0)
        n = 0;
    if (n > kMaxKillEnableDelay)
        n = kMaxKillEnableDelay;
    delayText_ = std::to_string(n);
    Store(settings_.KillMiscEnableDelay, static_cast<int16_t>(n));
}

bool ColoursKillModel::LeaveButtonName(const TypedText& text) {
    if (RefusedAsUnholdable(text, "the kill button's name", boxes_))
        return false;
    buttonNameText_ = text.text;
    if (text.text != settings_.KillMiscButtonName) {
        settings_.KillMiscButtonName = text.text;
        changes_.Mark();
    }
    return true;
}

void ColoursKillModel::ResetColours() {
    for (const SettingRow* row : StatusRows())
        statusColours_[static_cast<size_t>(row->index)] = DefaultNumber(ResetDefault(*row), 0);
    const SettingRow& groups = *RowsOfKind(SettingKind::GroupColour).front();
    for (int g = 0; g < kGroupColourCount; ++g)
        groupColors_[g] = DefaultNumber(ResetDefault(groups), g);
    changes_.Mark();
}

void ColoursKillModel::ResetKillOptions() {
    for (const SettingRow& row : SettingRows())
        if (row.group == SettingGroup::Kill)
            SetToDefault(row, ResetDefault(row), {.settings = &settings_}, 0);
    const auto colours = statusColours_;
    Refresh();
    statusColours_ = colours;
    changes_.Mark();
}

} // namespace tavrel
