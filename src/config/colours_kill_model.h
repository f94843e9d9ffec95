#pragma once
// The colour and kill section of the configuration windows. Kill settings and group colours are edited
// in the settings at once; the status colours wait in the buttons until Save.

#include "common/typed_text.h"
#include "config/config_dialog_types.h"

#include <array>
#include <optional>
#include <string>

namespace tavrel {

enum class KillCheck { ByButton, BySignal, ActionAllOff, ActionExitProgram, ActionShutDown, ButtonOnTop };

constexpr int kStatusColourCount = 10;
constexpr int kGroupColourCount = 8;
constexpr int kMaxKillEnableDelay = 30000;

class ColoursKillModel {
public:
    ColoursKillModel(ConfigurationTargets& targets, ConfigChangeFlag& changes);

    // Shows the settings again (after a reset or a restore).
    void Refresh();

    int32_t StatusColour(int index) const { return statusColours_[static_cast<size_t>(index)]; }
    int32_t GroupColour(int group) const { return groupColors_[group]; }
    // The colour the picker returned; nullopt when it was cancelled, which changes nothing.
    void PickStatusColour(int index, std::optional<int32_t> chosen);
    void PickGroupColour(int group, std::optional<int32_t> chosen);
    // Copies the status buttons' colours into their settings.
    void StoreStatusColours();

    // What the window warns of while a kill is enabled (by button or signal) with no action ticked: such a
    // kill does nothing at all. "" when there is nothing to warn of.
    std::string KillWarning() const;

    bool Check(KillCheck which) const;
    void SetCheck(KillCheck which, bool on);
    bool GoesHigh() const { return IsSet(settings_.KillBySignalGoesHigh); }
    bool GoesLow() const { return IsSet(settings_.KillBySignalGoesLow); }
    // A click on either option button: both settings take the buttons' states.
    void SetGoesHigh(bool high);

    const std::string& BoardNumberText() const { return boardText_; }
    const std::string& InputNumberText() const { return inputText_; }
    const std::string& EnableDelayText() const { return delayText_; }
    const std::string& ButtonNameText() const { return buttonNameText_; }
    // Field left with `text`; false = refused, the field shows the setting again and keeps the focus.
    bool LeaveBoardNumber(const std::string& text);
    bool LeaveInputNumber(const std::string& text);
    void LeaveEnableDelay(const std::string& text);
    // False, with a box naming it, when the name holds a character the settings cannot.
    bool LeaveButtonName(const TypedText& text);

    void ResetColours();
    void ResetKillOptions();

private:
    int16_t Settings::*CheckMember(KillCheck which) const;
    void Store(int16_t& setting, int16_t value);

    Settings& settings_;
    GroupColourTable& groupColors_;
    MessageBoxes& boxes_;
    ConfigChangeFlag& changes_;
    std::array<int32_t, kStatusColourCount> statusColours_{};
    std::string boardText_;
    std::string inputText_;
    std::string delayText_;
    std::string buttonNameText_;
};

} // namespace tavrel
