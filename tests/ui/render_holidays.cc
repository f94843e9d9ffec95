// Renders Tool > Holidays and the Day View on a holiday to PNGs in OUT_DIR, each window at the given size
// in device-independent pixels (set QT_SCALE_FACTOR for other screen scales): the calendar of the tests'
// data (with its damaged line) and a missing file, on a Wednesday of its summer closing, the demo schedule
// with relay 1 on SKIP and relay 2 on SUNDAY:
//   render_holidays OUT_DIR WIDTH HEIGHT
// writes holidays.png, holidays_none.png (no calendar set) and day_view_holiday.png.

#include "mainwindow/ui/day_view_window.h"
#include "mainwindow/ui/holidays_window.h"
#include "shell/holiday_service.h"
#include "ui/demo_render_context.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>
#include <cstdlib>

using namespace tavrel;

namespace {

bool Save(QWidget& window, int width, int height, const QString& path) {
    window.resize(width, height);
    window.show();
    QApplication::processEvents();
    if (window.grab().save(path))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s OUT_DIR WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]) + "/";
    const int width = std::atoi(argv[2]);
    const int height = std::atoi(argv[3]);
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    if (!test::LoadDemoAt(t, 2027, 7, 28))
        return 1;
    ctx.schedule.RelayArray[0].Holiday = HolidayRule::Skip;
    ctx.schedule.RelayArray[1].Holiday = HolidayRule::Sunday;

    HolidayService holidays(ctx, nullptr);
    {
        HolidaysWindow none(ctx, &holidays);
        holidays.Load();
        if (!Save(none, width, height, out + "holidays_none.png"))
            return 1;
    }
    ctx.settings.HolidayFiles = TAVREL_TEST_DATA "/holidays/holidays.ics;/nowhere/gone.ics";
    holidays.Load();
    HolidaysWindow list(ctx, &holidays);
    DayViewWindow day(ctx);
    return Save(list, width, height, out + "holidays.png") &&
                   Save(day, width, height, out + "day_view_holiday.png")
               ? 0
               : 1;
}
