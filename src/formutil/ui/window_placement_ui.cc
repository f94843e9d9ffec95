#include "formutil/ui/window_placement_ui.h"

#include "formutil/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace tavrel {

namespace {
WindowRect FromQRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}

// Lives as the window's child, so it goes with the window.
class PlacementKeeper final : public QObject {
public:
    PlacementKeeper(QWidget& window, modRegAPI& regApi, std::string windowName)
        : QObject(&window), window_(window), regApi_(regApi), windowName_(std::move(windowName)) {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &window_ && event->type() == QEvent::Hide && !window_.isMinimized())
            SaveWindowPlacement(window_, regApi_, windowName_);
        return false;
    }

private:
    QWidget& window_;
    modRegAPI& regApi_;
    std::string windowName_;
};
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

void KeepWindowPlacement(QWidget& window, modRegAPI& regApi, const std::string& windowName) {
    RestoreWindowPlacement(window, regApi, windowName);
    new PlacementKeeper(window, regApi, windowName);
}

} // namespace tavrel
