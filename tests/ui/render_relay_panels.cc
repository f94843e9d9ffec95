// Renders the relay panels with the demo schedule to a PNG, in a window of the given size:
//   render_relay_panels OUT.png WIDTH HEIGHT [fault]   (set QT_SCALE_FACTOR for other screen scales)
// With "fault", relay 1 reads back OFF whatever is written, as a failed relay driver would.

#include "engine/tick.h"
#include "mainwindow/ui/relay_panels_view.h"
#include "shell/schedule_commands.h"
#include "support/recording_host.h"
#include "support/test_platform.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>

#include <cstdio>
#include <string>

using namespace tavrel;

namespace {

void DemoColours(ProgramContext& ctx) {
    ctx.settings.ColorRelayON = 0x00FF00;
    ctx.settings.ColorRelayOFF = 0x0000FF;
    ctx.settings.ColorTimeON = 0x00FF00;
    ctx.settings.ColorTimeOFF = 0xFFFFFF;
    ctx.settings.ColorManualON = 0x00FFFF;
    ctx.settings.ColorManualOFF = 0xC0C0C0;
    ctx.settings.ColorInputON = 0x00FF00;
    ctx.settings.ColorInputOFF = 0xC0C0C0;
    ctx.settings.ColorTTimeBkgrnd = 0xE0E0E0;
    ctx.settings.ColorNameBkgrnd = 0xFFFFFF;
    const int32_t groups[] = {0xC0FFFF, 0x8080FF, 0x80C0FF, 0x80FFFF, 0xFFFF80, 0xFF8080, 0xFF80FF, 0xFFFFFF};
    for (int g = 0; g < kRelaysPerBoard; ++g)
        ctx.schedule.RelayGroupColors[g] = groups[g];
}

} // namespace

int main(int argc, char** argv) {
    const bool fault = argc == 5 && std::string(argv[4]) == "fault";
    if (argc != 4 && !fault) {
        std::fprintf(stderr, "usage: %s OUT.png WIDTH HEIGHT [fault]\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    BoardRecord& b = ctx.schedule.BoardArray[0];
    b.ChipSetType = "CBRelay08";
    b.BaseAddress = 0x300;
    b.InputAddress = 0x301;
    DemoColours(ctx);
    ctx.settings.LogFilePath = t.platform.home.Path() + "/";
    t.platform.clock.Set(2026, 12, 7, 19, 0, 0);
    if (FileOpen(ctx, TAVREL_DEMO_RUN) != kRunFileLoaded) {
        std::fprintf(stderr, "cannot load %s\n", TAVREL_DEMO_RUN);
        return 1;
    }
    ctx.schedule.RelayArray[2].Manual = kTrue;
    ctx.schedule.RelayArray[6].HardStop = kTrue;
    ctx.schedule.RelayArray[1].CountEnabled = kTrue;
    ctx.schedule.RelayArray[1].Counter = 1234;
    t.platform.SetPortByte(0x301, 0b0000'0010);

    test::RecordingHost host;
    QMainWindow window;
    for (const char* menu : {"&File", "&Edit", "&State", "&Tools", "&Help"})
        window.menuBar()->addMenu(menu);
    auto* view = new RelayPanelsView(ctx, host, &window);
    window.setCentralWidget(view);
    window.statusBar()->showMessage(
        "19:00:00   07/12/2026   Timer Running   demo.run   CBRelay08 300 Active");
    window.resize(std::atoi(argv[2]), std::atoi(argv[3]));
    window.show();
    Tick(ctx.engine, host);
    if (fault) {
        t.platform.SetStuck({{0x300, 0xfe, 0x00}});
        ctx.schedule.RelayArray[0].Manual = kTrue;
        for (int i = 0; i < 3; ++i)
            Tick(ctx.engine, host);
        window.statusBar()->showMessage(QString::fromStdString(ctx.boardState.health[0].faultText));
    }
    view->ApplyDisplayState();
    QApplication::processEvents();
    const bool saved = window.grab().save(argv[1]);
    const QWidget* area = view->findChild<QWidget*>("relayPanelsArea");
    const QWidget* panel = view->findChild<QWidget*>("fraRelayGroup_0");
    std::printf("%s: panels %dx%d (least %dx%d), one panel least %dx%d\n", argv[1], area->width(),
                area->height(), area->minimumSizeHint().width(), area->minimumSizeHint().height(),
                panel->minimumSizeHint().width(), panel->minimumSizeHint().height());
    return saved ? 0 : 1;
}
