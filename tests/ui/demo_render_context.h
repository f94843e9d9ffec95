#pragma once
// The picture tools' start: the demo schedule loaded with the demo configuration's colours, the clock at
// 14:30 on the given day. TAVREL_DEMO_RUN names the demo run file.

#include "shell/schedule_commands.h"
#include "support/test_platform.h"

#include <cstdio>

namespace tavrel::test {

inline bool LoadDemoAt(TestContext& t, int year, int month, int day) {
    ProgramContext& ctx = t.ctx;
    ctx.settings.ColorRelayON = 0x00FF00;
    ctx.settings.ColorRelayOFF = 0x0000FF;
    ctx.settings.ColorNameBkgrnd = 0xFFFFFF;
    ctx.settings.LogFilePath = t.platform.home.Path() + "/";
    t.platform.clock.Set(year, month, day, 14, 30, 0);
    if (FileOpen(ctx, TAVREL_DEMO_RUN) == kRunFileLoaded)
        return true;
    std::fprintf(stderr, "cannot load %s\n", TAVREL_DEMO_RUN);
    return false;
}

} // namespace tavrel::test
