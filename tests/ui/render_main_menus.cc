// Pictures of the main window with each of its menus open, taken from the screen of a virtual X display:
//   render_main_menus OUT_PREFIX   writes OUT_PREFIX-mnuFile.png, -mnuTool.png, ... (run under xvfb-run;
//   set QT_SCALE_FACTOR for other screen scales)

#include "engine/tick.h"
#include "mainwindow/ui/frm_relay.h"
#include "mainwindow/ui/main_menu.h"
#include "shell/startup.h"
#include "shell/ui/qt_tick_host.h"
#include "support/test_platform.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <cstdio>

using namespace tavrel;

namespace {

void Settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Shoot(const QString& path) {
    const bool saved = QGuiApplication::primaryScreen()->grabWindow(0).save(path, "PNG");
    std::printf("%s%s\n", path.toLocal8Bit().constData(), saved ? "" : ": not written");
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT_PREFIX\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString prefix = QString::fromLocal8Bit(argv[1]);
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    ApplyDefaultConfiguration(ctx);
    ctx.settings.LoggingOnOff = kTrue;
    ctx.settings.LogFilePath = t.platform.home.Path() + "/";
    ctx.NewConfiguration().ConfigurationSaveToReg();
    t.platform.clock.Set(2026, 12, 7, 19, 0, 0);

    QtTickHost host(ctx);
    frmRelay window(ctx, host);
    window.Load();
    window.Menu().OpenRunFile(TAVREL_DEMO_RUN);
    window.setGeometry(window.screen()->availableGeometry());
    window.show();
    host.Gate().Tick(ctx.engine, host);
    Settle(300);

    bool ok = Shoot(prefix + "-window.png");
    for (const char* name : {"mnuFile", "mnuTool", "mnuState", "mnuDev", "mnuHelp"}) {
        auto* menu = window.findChild<QMenu*>(name);
        QMenuBar* bar = window.menuBar();
        menu->popup(bar->mapToGlobal(bar->actionGeometry(menu->menuAction()).bottomLeft()));
        for (int i = 0; i < 20 && !menu->isVisible(); ++i)
            Settle(100);
        Settle(300);
        QMenu* sub = nullptr;
        if (QString(name) == "mnuState") { // with the first board's manual commands open beside it
            QAction* board = window.findChild<QAction*>("mnuStateManualBoard_0");
            menu->setActiveAction(board);
            sub = board->menu();
            sub->popup(menu->mapToGlobal(menu->actionGeometry(board).topRight()));
            Settle(300);
        }
        ok = Shoot(prefix + "-" + name + ".png") && ok;
        if (sub)
            sub->hide();
        menu->hide();
        Settle(100);
    }
    // The windows behind the Help menu.
    for (const char* name : {"mnuHelpGeneral", "mnuHelpConfiguration", "mnuHelpAbout"}) {
        window.findChild<QAction*>(name)->trigger();
        Settle(300);
        QWidget* shown = nullptr;
        for (QDialog* dialog : window.findChildren<QDialog*>())
            if (dialog->isVisible())
                shown = dialog;
        if (shown == nullptr) {
            std::printf("%s: no window\n", name);
            ok = false;
            continue;
        }
        ok = Shoot(prefix + "-" + name + ".png") && ok;
        shown->close();
        Settle(100);
    }
    window.CloseBySystem();
    return ok ? 0 : 1;
}
