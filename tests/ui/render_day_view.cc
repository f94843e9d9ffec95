// Renders the Day View of the demo schedule to a PNG, the window at the given size in device-independent
// pixels (set QT_SCALE_FACTOR for other screen scales), the clock at 14:30 on the day shown:
//   render_day_view OUT.png WIDTH HEIGHT [YYYY-MM-DD]   (default 2026-12-12)

#include "mainwindow/ui/day_view_window.h"
#include "shell/preview_printer.h"
#include "ui/demo_render_context.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

using namespace tavrel;

int main(int argc, char** argv) {
    if (argc != 4 && argc != 5) {
        std::fprintf(stderr, "usage: %s OUT.png WIDTH HEIGHT [YYYY-MM-DD]\n", argv[0]);
        return 2;
    }
    const auto date = ParseIsoDate(argc == 5 ? argv[4] : "2026-12-12");
    if (!date) {
        std::fprintf(stderr, "not a date: %s\n", argv[4]);
        return 2;
    }
    QApplication app(argc, argv);
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    if (!test::LoadDemoAt(t, date->year, date->month, date->day))
        return 1;
    DayViewWindow window(ctx);
    window.resize(std::atoi(argv[2]), std::atoi(argv[3]));
    window.show();
    QApplication::processEvents();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
