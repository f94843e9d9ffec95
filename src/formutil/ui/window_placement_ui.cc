#include "formutil/ui/window_placement_ui.h"

#include "formutil/window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace tavrel {

namespace {
WindowRect FromQRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}
} // namespace

bool RestoreWindowPlacement(QWidget& window, modRegAPI& regApi, const std::string& windowName) {
    const auto stored = PlacementStore(regApi).Load(windowName);
    if (!stored)
        return false;
    std::vector<WindowRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen())
        screens.push_back(FromQRect(primary->availableGeometry()));
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen())
            screens.push_back(FromQRect(screen->availableGeometry()));
    const WindowRect r = FitToScreens(*stored, screens);
    window.resize(r.width, r.height);
    window.move(r.left, r.top);
    return true;
}

void SaveWindowPlacement(const QWidget& window, modRegAPI& regApi, const std::string& windowName) {
    // The frame's position with the client size: what move() and resize() take back.
    const QRect frame = window.frameGeometry();
    PlacementStore(regApi).Save(windowName, {frame.x(), frame.y(), window.width(), window.height()});
}

} // namespace tavrel
