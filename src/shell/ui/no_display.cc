#include "shell/ui/no_display.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace tavrel {

namespace {

QtMessageHandler g_previous = nullptr;

void Handler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtFatalMsg && message.contains("platform plugin")) {
        std::fputs("tavrel: no display could be opened (is DISPLAY or WAYLAND_DISPLAY set, and may this user "
                   "use it?). tavreld runs the same schedules without a window: see tavreld --help.\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(1); // the window was never up: nothing to save or close
    }
    if (g_previous != nullptr)
        g_previous(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

NoDisplayExit::NoDisplayExit() : previous_(qInstallMessageHandler(Handler)) {
    g_previous = previous_;
}

NoDisplayExit::~NoDisplayExit() {
    qInstallMessageHandler(previous_);
    g_previous = nullptr;
}

} // namespace tavrel
