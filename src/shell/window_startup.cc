#include "shell/window_startup.h"

#include "config/configuration.h"
#include "platform/registry.h"
#include "shell/program_context.h"
#include "shell/startup.h"

namespace tavrel {

namespace {

constexpr const char* kProgramTitle = "Tavrel";

// The stored tag names more boards than this program keeps (its ".b" digit above ours).
bool StoredForMoreBoards(const std::string& tag) {
    const size_t bar = tag.find('|');
    if (bar == std::string::npos || tag.size() < bar + 4)
        return false;
    const char digit = tag[bar + 3];
    return digit >= '0' && digit <= '9' && digit - '0' > kMaxBoardIndex;
}

MsgResult AskToConfigure(ProgramContext& ctx, bool nothingStored) {
    MessageBoxRequest box;
    box.title = kProgramTitle;
    box.buttons = MsgButtons::OkCancel;
    box.defaultButton = MsgResult::Ok;
    if (nothingStored) {
        box.icon = MsgIcon::Error;
        // Settings that did not read cleanly were kept aside: the user must know that this is no first
        // run, and where the old settings are, before configuring afresh.
        if (const auto copies = DamagedRegistryCopies(ctx.drives.Home()); !copies.empty())
            box.lines = {"The stored settings in " + SettingsHiveFile(ctx.drives.Home()) +
                             " could not be read.",
                         "They are kept as " + copies.back(), ""};
        box.lines.insert(box.lines.end(),
                         {"Tavrel is not Configured!", "You MUST Configure Now",
                          "Be sure to SAVE Configuration, ", "      Even if you simply accept all defaults!",
                          " You will be able to change the configuration, later"});
    } else {
        box.icon = MsgIcon::Information;
        box.lines = {"Tavrel is not Configured!"};
        if (StoredForMoreBoards(ctx.settings.ConfigVersion)) {
            box.lines.push_back("Your Configuration is for more boards then this program will support");
            box.lines.push_back("The additional board information will be removed");
        }
        box.lines.push_back("The stored configuration is for version " + ctx.settings.ConfigVersion);
        box.lines.push_back(" You MUST Configure Now");
    }
    return ctx.boxes.Show(box);
}

} // namespace

std::string SecondCopyWarningText() {
    return std::string("You are attempting to run more then one copy of ") + kProgramTitle +
           " , Doing so will cause unreliable performance.";
}

bool CheckConfiguration(ProgramContext& ctx, const std::function<bool()>& openConfiguration) {
    for (;;) {
        ctx.settings.ConfigVersion = ctx.NewConfiguration().ConfigurationLoadVersionFromReg();
        if (ctx.settings.ConfigVersion == kConfigVersionTag) {
            ctx.NewConfiguration().ConfigurationLoadFromReg();
            return true;
        }
        const bool nothingStored = ctx.settings.ConfigVersion == kRegKeyNotFound ||
                                   ctx.settings.ConfigVersion == kRegValueNameNotFound;
        if (AskToConfigure(ctx, nothingStored) != MsgResult::Ok)
            return false;
        openConfiguration();
        ctx.NewConfiguration().ConfigurationFlagLoggingSave(ctx.settings.LoggingOnOff);
    }
}

StartupOutcome RunWindowStartup(ProgramContext& ctx, bool anotherCopyRunning, const StartupSteps& steps) {
    if (anotherCopyRunning)
        ctx.boxes.Tell(MsgIcon::Warning, kProgramTitle, {SecondCopyWarningText()});
    if (steps.showSplash)
        steps.showSplash();
    if (!CheckConfiguration(ctx, steps.openConfiguration))
        return StartupOutcome::ConfigurationRefused;
    LogProgramLoad(ctx);
    if (!PortLayerControl(ctx, "Load"))
        return StartupOutcome::PortLayerFailed;
    if (ctx.settings.KillByButton != 0 && steps.showKillWindow)
        steps.showKillWindow();
    return StartupOutcome::Run;
}

} // namespace tavrel
