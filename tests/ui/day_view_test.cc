// The Day View on the offscreen platform: the bars drawn in the ON colour on the OFF row, the day picker
// and the now line, and the view following an entry accepted in the main window.

#include "config/configuration.h"
#include "main_window_fixture.h"
#include "mainwindow/ui/day_timeline.h"
#include "mainwindow/ui/day_view_window.h"
#include "mainwindow/ui/frm_relay.h"
#include "mainwindow/ui/relay_panels_view.h"
#include "shell/holiday_service.h"
#include "shell/startup.h"
#include "shell/ui/qt_tick_host.h"
#include "support/fake_calendar_reader.h"
#include "support/test_platform.h"

#include <QAction>
#include <QApplication>
#include <QDateEdit>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <QWindow>

#include <memory>

using namespace tavrel;

namespace {

constexpr int32_t At(int h, int m) {
    return h * 3600 + m * 60;
}

const QColor kOn(0, 255, 0);  // 0x00FF00 stored blue-green-red
const QColor kOff(255, 0, 0); // 0x0000FF

void SetColours(ProgramContext& ctx) {
    ctx.settings.ColorRelayON = 0x00FF00;
    ctx.settings.ColorRelayOFF = 0x0000FF;
}

// The colour drawn in `relay`'s row at `second` of the day.
QColor ColourAt(DayTimeline& timeline, int relay, int32_t second) {
    QApplication::processEvents();
    const QImage image = timeline.grab().toImage();
    const DayViewModel& model = timeline.Model();
    const PixelRect row = model.Row(relay);
    const double ratio = image.devicePixelRatio();
    const QPoint at(model.XOfSecond(second), row.y + row.height / 2);
    return image.pixelColor((QPointF(at) * ratio).toPoint());
}

} // namespace

class DayViewTest : public QObject {
    Q_OBJECT

private slots:
    void aBarInTheOnColourOnTheOffRowAndTheDayPickerChangesIt() {
        test::TestContext t;
        ProgramContext& ctx = t.ctx;
        InitialiseNewSchedule(ctx.schedule);
        SetColours(ctx);
        ctx.schedule.RelayArray[2].CycleCode = "SS"; // not on Saturday and Sunday
        ctx.schedule.TimeArray[PairIndex(2, 0)] = {"08:00:00", "17:00:00", kFalse};
        t.platform.clock.Set(2026, 12, 14, 12, 30, 0); // a Monday
        DayViewWindow window(ctx);
        window.resize(1024, 500);
        window.show();
        DayTimeline& timeline = window.Timeline();

        QCOMPARE(ColourAt(timeline, 2, At(10, 30)), kOn);
        QCOMPARE(ColourAt(timeline, 2, At(7, 30)), kOff);
        QCOMPARE(ColourAt(timeline, 2, At(17, 30)), kOff);
        QCOMPARE(ColourAt(timeline, 3, At(10, 30)), kOff);
        // Today: the present time is a line across the rows.
        QVERIFY(timeline.Model().NowLineX().has_value());
        QVERIFY(ColourAt(timeline, 3, At(12, 30)) != kOff);

        // Hovering the bar tells its start, end and length.
        const DayViewModel& model = timeline.Model();
        const QPoint onBar(model.XOfSecond(At(10, 30)), model.Row(2).y + 2);
        QHelpEvent hover(QEvent::ToolTip, onBar, timeline.mapToGlobal(onBar));
        QApplication::sendEvent(&timeline, &hover);
        QCOMPARE(QToolTip::text(), QString("08:00:01-17:00:00, 8 h 59 min 59 s"));

        // Print Form goes to the printer seam.
        int asked = 0;
        window.SetPrinterChooser([&](QPrinter&, QWidget*) { return ++asked, false; });
        window.findChild<QAction*>("mnuFilePrintForm")->trigger();
        QCOMPARE(asked, 1);

        window.findChild<QDateEdit*>("dtpDay")->setDate(QDate(2026, 12, 12)); // a Saturday
        QCOMPARE(ColourAt(timeline, 2, At(10, 30)), kOff);
        QCOMPARE(ColourAt(timeline, 3, At(12, 30)), kOff);
    }

    void followsAnEntryAcceptedInTheMainWindow() {
        test::MainWindowFixture f;
        ProgramContext& ctx = f.ctx;
        f.OpenWith([](frmRelay& w) { w.Files().SetAskSavePath([] { return std::string(); }); });
        frmRelay& main = *f.window;
        SetColours(ctx);
        ctx.schedule.TimeArray[PairIndex(0, 0)] = {"", "12:00:00", kFalse};
        main.Panels().LoadFromTables();

        main.findChild<QAction*>("mnuToolDayView")->trigger();
        auto* view = main.findChild<DayViewWindow*>("frmDayView");
        QVERIFY(view != nullptr && view->isVisible());
        QCOMPARE(ColourAt(view->Timeline(), 0, At(11, 30)), kOff);

        // Back to the main window to type there, as a user does.
        QVERIFY(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == view->windowHandle(); }));
        main.windowHandle()->requestActivate();
        QVERIFY(QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == main.windowHandle(); }));
        auto* box = main.findChild<QLineEdit*>("txtStartTime_0");
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, "10:00");
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(ctx.schedule.TimeArray[0].StartTime, std::string("10:00:00"));
        QCOMPARE(ColourAt(view->Timeline(), 0, At(11, 30)), kOn);
    }

    // The Day View of the running window honours the calendar it read and follows a new reading: the
    // holiday named, a SKIP relay off, a Sunday-only relay with rule SUNDAY on.
    void aHolidayOfTheCalendarReadIsMarkedAndItsRulesApply() {
        test::MainWindowFixture f;
        ProgramContext& ctx = f.ctx;
        f.t.platform.clock.Set(2027, 7, 28, 9, 0, 0); // a Wednesday of the closing
        HolidayService holidays(
            ctx, nullptr,
            test::ReaderOf(
                {{"/cal/work.ics", test::AllDayEventFile("Summer closing", {2027, 7, 26}, {2027, 8, 7})}}));
        holidays.Load(); // no calendar set yet
        f.host.AttachHolidays(&holidays);
        f.OpenWith([](frmRelay&) {});
        SetColours(ctx);
        for (int r : {0, 1})
            ctx.schedule.TimeArray[PairIndex(r, 0)] = {"08:00:00", "17:00:00", kFalse};
        ctx.schedule.RelayArray[0].Holiday = HolidayRule::Skip;
        ctx.schedule.RelayArray[1].DaysOfWeek = "1";
        ctx.schedule.RelayArray[1].Holiday = HolidayRule::Sunday;
        f.window->findChild<QAction*>("mnuToolDayView")->trigger();
        auto* view = f.window->findChild<DayViewWindow*>("frmDayView");
        auto* mark = view->findChild<QLabel*>("lblHoliday");
        QVERIFY(!mark->isVisible());
        QCOMPARE(ColourAt(view->Timeline(), 0, At(10, 30)), kOn);
        QCOMPARE(ColourAt(view->Timeline(), 1, At(10, 30)), kOff);

        ctx.settings.HolidayFiles = "/cal/work.ics";
        holidays.Load();
        QTRY_VERIFY_WITH_TIMEOUT(mark->isVisible(), 3000);
        QCOMPARE(mark->text(),
                 QString("Holiday: Summer closing. Not run (SKIP): Relay 1. Run as a Sunday: Relay 2."));
        QCOMPARE(ColourAt(view->Timeline(), 0, At(10, 30)), kOff);
        QCOMPARE(ColourAt(view->Timeline(), 1, At(10, 30)), kOn);
    }
};

QTEST_MAIN(DayViewTest)
#include "day_view_test.moc"
