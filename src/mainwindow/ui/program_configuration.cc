#include "mainwindow/ui/program_configuration.h"

#include "config/ui/open_configuration.h"
#include "formutil/ui/window_placement_ui.h"
#include "platform/environment.h"
#include "shell/program_context.h"
#include "shell/startup.h"

namespace tavrel {

namespace {

bool OpenWith(ProgramContext& ctx, bool nothingStored, QWidget* parent) {
    const ConfigurationTargets targets{ctx.settings,
                                       ctx.schedule.BoardArray,
                                       ctx.schedule.RelayGroupColors,
                                       ctx.boxes,
                                       [&ctx] { ctx.NewConfiguration().ConfigurationSaveToReg(); },
                                       nothingStored};
    return OpenConfiguration(
        targets, [&ctx](int board) { ctx.boards.InvalidateBoard(board); }, DefaultTavrelHome(), parent,
        [&ctx](QWidget& window, const std::string& name) { KeepWindowPlacement(window, ctx.regApi, name); });
}

} // namespace

bool OpenProgramConfiguration(ProgramContext& ctx, QWidget* parent) {
    return OpenWith(ctx, false, parent);
}

bool ConfigureFromScratch(ProgramContext& ctx, QWidget* parent) {
    ApplyDefaultConfiguration(ctx);
    return OpenWith(ctx, true, parent);
}

} // namespace tavrel
