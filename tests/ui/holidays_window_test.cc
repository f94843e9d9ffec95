// Tool > Holidays on the offscreen platform: the coming dates of the calendars the window read, a file it
// could not read named, the way to the configuration without a calendar, and the calendars read again when
// the configuration is saved.

#include "main_window_fixture.h"
#include "mainwindow/ui/frm_relay.h"
#include "mainwindow/ui/holidays_window.h"
#include "shell/holiday_service.h"
#include "shell/ui/qt_tick_host.h"
#include "support/fake_calendar_reader.h"
#include "support/test_platform.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <chrono>
#include <filesystem>

using namespace tavrel;

namespace {

const char* const kCalendar = "/cal/work.ics";

HolidayService MakeService(ProgramContext& ctx) {
    return HolidayService(
        ctx, nullptr,
        test::ReaderOf({{kCalendar, test::AllDayEventFile("Summer closing", {2027, 7, 26}, {2027, 8, 7})}}));
}

QString Row(QTreeWidget* list, int row) {
    const QTreeWidgetItem* item = list->topLevelItem(row);
    return item->text(0) + "|" + item->text(1) + "|" + item->text(2);
}

} // namespace

class HolidaysWindowTest : public QObject {
    Q_OBJECT

private slots:
    void listsTheComingDatesAndNamesAFileNotRead() {
        test::TestContext t;
        t.platform.clock.Set(2027, 7, 30, 9, 0, 0);
        t.ctx.settings.HolidayFiles = std::string(kCalendar) + "; /nowhere/gone.ics";
        HolidayService holidays = MakeService(t.ctx);
        holidays.Load();
        HolidaysWindow window(t.ctx, &holidays);
        window.show();

        auto* list = window.findChild<QTreeWidget*>("lstHolidays");
        QCOMPARE(list->topLevelItemCount(), 8); // 30 July to 6 August
        QCOMPARE(Row(list, 0), QString("2027-07-30|Summer closing|/cal/work.ics"));
        QCOMPARE(Row(list, 7), QString("2027-08-06|Summer closing|/cal/work.ics"));
        auto* problems = window.findChild<QLabel*>("lblHolidayProblems");
        QVERIFY(problems->isVisible());
        QVERIFY2(problems->text().contains("\"/nowhere/gone.ics\" cannot be read"),
                 qPrintable(problems->text()));
        for (const QWidget* control : window.findChildren<QWidget*>())
            if (!control->objectName().isEmpty() && !control->objectName().startsWith("qt_"))
                QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(control->objectName()));

        // The calendar taken away: the window follows the reading and gives the way to set one.
        t.ctx.settings.HolidayFiles.clear();
        holidays.Load();
        auto* heading = window.findChild<QLabel*>("lblHolidays");
        QTRY_VERIFY_WITH_TIMEOUT(heading->text().startsWith("No holiday calendar is set"), 3000);
        QVERIFY(!list->isVisible() && !problems->isVisible());
        QSignalSpy asked(&window, &HolidaysWindow::configurationWanted);
        window.findChild<QPushButton*>("cmdConfiguration")->click();
        QCOMPARE(asked.count(), 1);
    }

    void aConfigurationSaveReadsTheCalendarsAgain() {
        test::MainWindowFixture f;
        f.t.platform.clock.Set(2027, 7, 30, 9, 0, 0);
        HolidayService holidays = MakeService(f.ctx);
        holidays.Load(); // as at start: no calendar set yet
        f.host.AttachHolidays(&holidays);
        f.OpenWith([](frmRelay&) {});
        auto* field = f.window->findChild<QPushButton*>("StatusBarHoliday");
        QVERIFY(!field->isVisible());

        // What the configuration's Calendar section sets, then saved in the configuration window.
        f.ctx.settings.HolidayFiles = kCalendar;
        QTimer saver;
        bool saved = false;
        connect(&saver, &QTimer::timeout, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr)
                return;
            auto* save = dialog->findChild<QPushButton*>("cmdSave");
            auto* change = dialog->findChild<QAbstractButton*>("chkWarnOverlapTime");
            if (save != nullptr && change != nullptr && !saved) {
                change->click();
                save->click();
                saved = true;
            }
            dialog->close();
        });
        saver.start(50);
        f.window->findChild<QAction*>("mnuFileConfiguration")->trigger();
        saver.stop();
        QVERIFY(saved);
        QCOMPARE(holidays.Readings(), 2);
        QVERIFY(holidays.Today() != nullptr);

        f.window->RefreshCaptionAndStatus();
        QVERIFY(field->isVisible());
        QCOMPARE(field->text(), QString("Holiday: Summer closing"));
        field->click(); // the field opens Tool > Holidays
        auto* window = f.window->findChild<HolidaysWindow*>("frmHolidays");
        QVERIFY(window != nullptr && window->isVisible());
        QCOMPARE(window->findChild<QTreeWidget*>("lstHolidays")->topLevelItemCount(), 8);
    }

    // The window's heartbeat makes the new-day check: a calendar file changed since is read again.
    void theFirstBeatOfANewDayReadsAChangedFileAgain() {
        test::TestContext t;
        t.platform.clock.Set(2027, 7, 25, 23, 59, 59);
        const std::string path = t.platform.home.File("work.ics");
        test::WriteWholeFile(path, "BEGIN:VCALENDAR\r\n");
        t.ctx.settings.HolidayFiles = path;
        HolidayService holidays(
            t.ctx, nullptr,
            test::ReaderOf({{path, test::AllDayEventFile("Summer closing", {2027, 7, 26}, {2027, 8, 7})}}));
        holidays.Load();
        QtTickHost host(t.ctx);
        host.AttachHolidays(&holidays);
        std::filesystem::last_write_time(path,
                                         std::filesystem::last_write_time(path) + std::chrono::hours(1));
        t.platform.clock.Set(2027, 7, 26, 0, 0, 1);
        host.Beat();
        QCOMPARE(holidays.Readings(), 2);
        QVERIFY(holidays.Today() != nullptr);
    }
};

QTEST_MAIN(HolidaysWindowTest)
#include "holidays_window_test.moc"
