// Renders the relay panels with the demo schedule to a PNG, in a window of the given size:
//   render_relay_panels OUT.png WIDTH HEIGHT [fault|sun|longsun]   (set QT_SCALE_FACTOR for other scales)
// WIDTH HEIGHT "least least" is the smallest window that shows every panel whole: each panel at its
// smallest. With "fault", relay 1 reads back OFF whatever is written, as a failed relay driver would; with
// "sun", relay 4 follows the sun in Berlin, and the tool tip of its first ON time is drawn beside it;
// "longsun" adds the longest forms a sun-based time is stored in to relay 4's other pairs, with no tool tip.

#include "engine/tick.h"
#include "mainwindow/ui/relay_panels_view.h"
#include "shell/schedule_commands.h"
#include "support/fake_time_zone.h"
#include "support/recording_host.h"
#include "support/test_platform.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolTip>

#include <algorithm>

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
    const std::string mode = argc == 5 ? argv[4] : "";
    const bool fault = mode == "fault";
    const bool longSun = mode == "longsun";
    const bool sun = mode == "sun" || longSun;
    if (argc != 4 && !fault && !sun) {
        std::fprintf(stderr, "usage: %s OUT.png WIDTH|least HEIGHT|least [fault|sun|longsun]\n", argv[0]);
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
    const FakeTimeZone berlin(3600, true);
    if (sun) {
        ctx.settings.Latitude = "52.52";
        ctx.settings.Longitude = "13.40";
        ctx.schedule.TimeArray[PairIndex(3, 0)] = {"sunset-00:30", "23:00:00", kFalse};
        ctx.schedule.TimeArray[PairIndex(3, 1)] = {"06:00:00", "sunrise+00:15", kFalse};
        ctx.schedule.Sun.SetZone(&berlin);
    }
    if (longSun) {
        ctx.schedule.TimeArray[PairIndex(3, 2)] = {"sunrise+01:15", "dusk+00:00:30", kFalse};
        ctx.schedule.TimeArray[PairIndex(3, 3)] = {"sunrise-11:59:59", "sunset+11:59:59", kFalse};
        ctx.schedule.TimeArray[PairIndex(3, 4)] = {"dawn-00:45", "sunrise+00:00:05", kFalse};
    }

    test::RecordingHost host;
    QMainWindow window;
    for (const char* menu : {"&File", "&Edit", "&State", "&Tools", "&Help"})
        window.menuBar()->addMenu(menu);
    auto* view = new RelayPanelsView(ctx, host, &window);
    window.setCentralWidget(view);
    window.statusBar()->showMessage(
        "19:00:00   07/12/2026   Timer Running   demo.run   CBRelay08 300 Active");
    const bool least = std::string(argv[2]) == "least";
    window.resize(least ? 1024 : std::atoi(argv[2]), least ? 768 : std::atoi(argv[3]));
    window.show();
    const QWidget* area = view->findChild<QWidget*>("relayPanelsArea");
    if (least) {
        QApplication::processEvents();
        window.resize(window.size() - (area->size() - area->minimumSizeHint()));
    }
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
    if (sun && !longSun) {
        // A grab holds no tool tip window: draw the box's tool tip as one would show under the mouse.
        auto* box = view->findChild<QWidget*>(QString("txtStartTime_%1").arg(PairIndex(3, 0)));
        auto* tip = new QLabel(box->toolTip(), &window);
        tip->setPalette(QToolTip::palette());
        tip->setAutoFillBackground(true);
        tip->setFrameShape(QFrame::Box);
        tip->setMargin(3);
        tip->adjustSize();
        // Below the second pair, so that both sun-based pairs stay in sight.
        const QPoint below = box->mapTo(&window, QPoint(box->width() / 2, 2 * box->height() + 8));
        tip->move(std::min(below.x(), window.width() - tip->width() - 4), below.y());
        tip->show();
        QApplication::processEvents();
    }
    const bool saved = window.grab().save(argv[1]);
    const QWidget* panel = view->findChild<QWidget*>("fraRelayGroup_0");
    std::printf("%s: panels %dx%d (least %dx%d), one panel least %dx%d\n", argv[1], area->width(),
                area->height(), area->minimumSizeHint().width(), area->minimumSizeHint().height(),
                panel->minimumSizeHint().width(), panel->minimumSizeHint().height());
    return saved ? 0 : 1;
}
