#include "config/configuration_dialog_model.h"

namespace tavrel {

namespace {

constexpr std::array<ConfigWindowLayout, 3> kLayouts{{
    {ConfigWindow::frmConfiguration, "frmConfiguration", 9900, "", true, true, true, true, true, true, true,
     true},
    {ConfigWindow::frmConfigBoards, "frmConfigBoards", 7725, " Board Address & Logging Options", true, false,
     false, false, true, true, true, true},
    {ConfigWindow::frmConfigColors, "frmConfigColors", 6000, " Color Preferences", false, true, true, true,
     false, false, false, false},
}};

constexpr int kCombinedMinWidth = 1024;
constexpr int kCombinedMinHeight = 768;

} // namespace

const ConfigWindowLayout& LayoutOf(ConfigWindow window) {
    for (const ConfigWindowLayout& l : kLayouts)
        if (l.window == window)
            return l;
    return kLayouts[0];
}

std::string ConfigWindowCaption(ConfigWindow window) {
    return std::string(kConfigCaption) + LayoutOf(window).captionSuffix;
}

std::vector<ConfigWindow> ChooseConfigWindows(int screenWidth, int screenHeight) {
    if (screenWidth >= kCombinedMinWidth && screenHeight >= kCombinedMinHeight)
        return {ConfigWindow::frmConfiguration};
    return {ConfigWindow::frmConfigBoards, ConfigWindow::frmConfigColors};
}

ConfigurationDialogModel::ConfigurationDialogModel(ConfigWindow window, ConfigurationTargets targets)
    : window_(window), targets_(std::move(targets)), boards_(targets_, changes_),
      colours_(targets_, changes_), location_(targets_, changes_), holidays_(targets_, changes_) {
    changes_.changed = targets_.nothingStored; // Save is open from the start: accepting the defaults
    before_.settings = targets_.settings;
    for (int b = 0; b < kBoardSlots; ++b)
        before_.boards[static_cast<size_t>(b)] = targets_.boards[b];
    for (int g = 0; g < kRelaysPerBoard; ++g)
        before_.groupColors[static_cast<size_t>(g)] = targets_.groupColors[g];
}

void ConfigurationDialogModel::Save() {
    colours_.StoreStatusColours();
    if (targets_.saveToStore)
        targets_.saveToStore();
    // The store fills empty texts with their defaults; show what was saved.
    boards_.Refresh();
    colours_.Refresh();
    location_.Refresh();
    holidays_.Refresh();
    changes_.changed = false;
    saved_ = true;
    before_.settings = targets_.settings;
    for (int b = 0; b < kBoardSlots; ++b)
        before_.boards[static_cast<size_t>(b)] = targets_.boards[b];
    for (int g = 0; g < kRelaysPerBoard; ++g)
        before_.groupColors[static_cast<size_t>(g)] = targets_.groupColors[g];
}

void ConfigurationDialogModel::Restore() {
    targets_.settings = before_.settings;
    for (int b = 0; b < kBoardSlots; ++b)
        targets_.boards[b] = before_.boards[static_cast<size_t>(b)];
    for (int g = 0; g < kRelaysPerBoard; ++g)
        targets_.groupColors[g] = before_.groupColors[static_cast<size_t>(g)];
    boards_.Refresh();
    colours_.Refresh();
    location_.Refresh();
    holidays_.Refresh();
    changes_.changed = false;
}

void ConfigurationDialogModel::CancelChanges() {
    Restore();
}

CloseAnswer ConfigurationDialogModel::RequestClose() {
    if (!changes_.changed)
        return CloseAnswer::Close;
    const MsgResult answer = targets_.boxes.Show(
        {MsgIcon::Question, "Save?", {"Save File?"}, MsgButtons::YesNoCancel, MsgResult::No});
    switch (answer) {
    case MsgResult::Yes:
        Save();
        return CloseAnswer::Close;
    case MsgResult::No:
        Restore();
        return CloseAnswer::Close;
    default:
        return CloseAnswer::Stay;
    }
}

void ConfigurationDialogModel::ResetAllDefaults() {
    colours_.ResetColours();
    colours_.ResetKillOptions();
    boards_.ResetAll();
}

} // namespace tavrel
