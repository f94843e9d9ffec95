#include "shell/kill_window.h"

#include "config/settings.h"
#include "engine/engine_state.h"

namespace tavrel {

KillWindowLook KillWindowLoad(const Settings& settings) {
    KillWindowLook look;
    look.killCaption = settings.KillMiscButtonName;
    look.onTop = settings.KillMiscButtonOnTop != 0;
    return look;
}

KillWindowLook KillWindowAfterPress(const Settings& settings, const EngineState& engine) {
    KillWindowLook look = KillWindowLoad(settings);
    look.showsUnKill = engine.KillWindowShowsUnKill;
    look.visible = engine.KillWindowVisible;
    return look;
}

} // namespace tavrel
