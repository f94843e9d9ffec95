// The relay panels on the offscreen platform: entry through the keyboard, the panel clicks, what a tick
// redraws, and every control reachable by its accessible name.

#include "mainwindow/ui/relay_panel.h"
#include "mainwindow/ui/relay_panels_view.h"

#include "engine/tick.h"
#include "support/recording_host.h"
#include "support/test_platform.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

#include <filesystem>
#include <map>

using namespace tavrel;

namespace {

// A context with board 1 on the simulated ports at 300 hex, Monday 09:00, and a view in a shown window.
struct Harness {
    test::TestContext t;
    ProgramContext& ctx = t.ctx;
    test::RecordingHost host;
    QMainWindow window;
    RelayPanelsView* view;

    Harness() {
        BoardRecord& b = ctx.schedule.BoardArray[0];
        b.ChipSetType = "CBRelay08";
        b.BaseAddress = 0x300;
        b.InputAddress = 0x301;
        InitialiseNewSchedule(ctx.schedule);
        ctx.settings.LogFilePath = t.platform.home.Path() + "/";
        t.platform.clock.Set(2026, 12, 7, 9, 0, 0);
        ctx.settings.ColorRelayON = 0x00FF00;
        ctx.settings.ColorRelayOFF = 0x0000FF;
        ctx.settings.ColorTimeOFF = 0xFFFFFF;
        ctx.settings.WarnOverLapTime = 1;
        view = new RelayPanelsView(ctx, host, &window);
        window.setCentralWidget(view);
        window.resize(1024, 768);
        window.show();
        window.activateWindow();
    }
    template <typename T> T* Find(const char* name) { return window.findChild<T*>(name); }
    void TickAndDraw() {
        Tick(ctx.engine, host);
        view->ApplyDisplayState();
        QApplication::processEvents();
    }
    std::string RestartFile() { return ctx.drives.Map("c:\\TVRestart.run"); }
};

// Counts the paint events of each panel and everything in it.
class PaintCounter final : public QObject {
public:
    explicit PaintCounter(QWidget* top) {
        for (auto* panel : top->findChildren<RelayPanel*>()) {
            panel->installEventFilter(this);
            owner_[panel] = panel->relay();
            for (auto* child : panel->findChildren<QWidget*>()) {
                child->installEventFilter(this);
                owner_[child] = panel->relay();
            }
        }
    }
    std::map<int, int> paints;
    int Total() const {
        int n = 0;
        for (const auto& [relay, count] : paints)
            n += count;
        return n;
    }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            ++paints[owner_[o]];
        return false;
    }

private:
    std::map<QObject*, int> owner_;
};

QAccessibleInterface* FindAccessible(QAccessibleInterface* iface, const QString& name) {
    if (iface == nullptr)
        return nullptr;
    // A combo box reports its current item as its name on Linux; its own name is the widget's.
    if (iface->text(QAccessible::Name) == name ||
        (iface->object() != nullptr && iface->object()->property("accessibleName").toString() == name))
        return iface;
    for (int i = 0; i < iface->childCount(); ++i)
        if (auto* found = FindAccessible(iface->child(i), name))
            return found;
    return nullptr;
}

} // namespace

class RelayPanelsTest : public QObject {
    Q_OBJECT

private slots:
    void aRefusedTimeKeepsFocusAndShowsTheExactMessage() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        auto* box = h.Find<QLineEdit>("txtStartTime_13");
        QVERIFY(box != nullptr);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, "13:00 pm");
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->selectedText(), QString("13:00 pm"));
        QCOMPARE(h.t.platform.boxes.Count(), size_t(1));
        QCOMPARE(QString::fromStdString(h.t.platform.boxes.Last().Text()),
                 QString("Time Entered is NOT a valid Time, please re-enter\r\n\r\n"
                         "Format is HH:MM:SS or HH:MM am/pm (:SS is optional)"));
        QCOMPARE(QString::fromStdString(h.t.platform.boxes.Last().title), QString("Entry Error"));
        QCOMPARE(h.ctx.schedule.TimeArray[13].StartTime, std::string());

        // Enter leaves like Tab; an accepted time lets focus go.
        box->selectAll();
        QTest::keyClicks(box, "2:30 pm");
        QTest::keyClick(box, Qt::Key_Return);
        QVERIFY(QApplication::focusWidget() != box);
        QCOMPARE(h.ctx.schedule.TimeArray[13].StartTime, std::string("14:30:00"));
        QCOMPARE(box->text(), QString("14:30:00"));
    }

    void aNameTheSettingsCannotHoldIsRefusedByNameAndTheOldOneStays() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        auto* box = h.Find<QLineEdit>("txtDisplayName_2");
        QVERIFY(box != nullptr);
        box->setFocus(Qt::TabFocusReason);
        box->setText("Küche"); // the test's keyboard types only ASCII
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(h.ctx.schedule.RelayArray[2].DisplayName, std::string("K\374che"));

        box->setFocus(Qt::TabFocusReason);
        box->setText("Łódź");
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), box);
        QCOMPARE(box->text(), QString("Küche"));
        QCOMPARE(h.ctx.schedule.RelayArray[2].DisplayName, std::string("K\374che"));
        QCOMPARE(h.t.platform.boxes.Count(), size_t(1));
        QCOMPARE(QString::fromStdString(h.t.platform.boxes.Last().title),
                 QString("Character Cannot Be Stored"));
        QVERIFY(
            QString::fromStdString(h.t.platform.boxes.Last().Text()).startsWith("\"Ł\" cannot be stored"));
    }

    void aSunBasedTimeShowsTodaysTimeOrWhyItDoesNotRun() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        auto* on = h.Find<QLineEdit>("txtStartTime_13");
        auto* off = h.Find<QLineEdit>("txtEndTime_13");
        h.ctx.settings.Latitude = "52.52";
        h.ctx.settings.Longitude = "13.40";
        on->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(on, "Sunset - 0:30");
        QTest::keyClick(on, Qt::Key_Tab);
        QTest::keyClicks(off, "23:00");
        QTest::keyClick(off, Qt::Key_Tab);
        h.TickAndDraw();
        QCOMPARE(on->text(), QString("sunset-00:30"));
        // 2026-12-07 in Berlin: sunset 14:54 UTC (the test's zone), so on at 14:2x.
        QVERIFY2(on->accessibleDescription().startsWith("sunset-00:30: today 14:2"),
                 qPrintable(on->accessibleDescription()));
        QVERIFY(on->toolTip().startsWith(on->accessibleDescription()));
        QVERIFY(on->font().italic());
        QVERIFY(off->accessibleDescription().isEmpty());
        QVERIFY(!off->font().italic());

        h.ctx.settings.Latitude.clear();
        h.TickAndDraw();
        QVERIFY2(on->accessibleDescription().contains("does not run today: no location set"),
                 qPrintable(on->accessibleDescription()));
    }

    // At the panels' smallest width (a small window scrolls them, never narrows them further) every
    // stored form of a time shows whole while its box is not edited; a fixed time keeps the box's font.
    void everyStoredTimeShowsWholeAtThePanelsSmallestWidth() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowExposed(&h.window));
        auto* area = h.Find<QWidget>("relayPanelsArea");
        h.window.resize(h.window.size() - (area->size() - area->minimumSizeHint()));
        QApplication::processEvents();
        QCOMPARE(area->width(), area->minimumSizeHint().width());
        h.ctx.settings.Latitude = "52.52";
        h.ctx.settings.Longitude = "13.40";
        const TimePair kPairs[] = {{"sunrise-11:59:59", "sunset+11:59:59", kFalse},
                                   {"sunrise+01:15", "dusk+00:00:30", kFalse},
                                   {"00:00:00", "23:59:59", kFalse}};
        for (int p = 0; p < 3; ++p)
            h.ctx.schedule.TimeArray[PairIndex(3, p)] = kPairs[p];
        h.view->LoadFromTables();
        h.TickAndDraw();
        for (int p = 0; p < 3; ++p)
            for (const char* side : {"txtStartTime_%1", "txtEndTime_%1"}) {
                auto* box = h.window.findChild<EntryBox*>(QString(side).arg(PairIndex(3, p)));
                const int width = QFontMetrics(box->shownFont()).horizontalAdvance(box->text());
                QVERIFY2(width <= box->textRoom(), qPrintable(QString("%1: %2 pixels in a room of %3")
                                                                  .arg(box->text())
                                                                  .arg(width)
                                                                  .arg(box->textRoom())));
                QVERIFY(box->textRoom() < box->contentsRect().width());
                if (p == 2)
                    QCOMPARE(box->shownFont(), box->font());
            }
    }

    void aTypedFullStopShowsAsAColon() {
        Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window));
        auto* box = h.Find<QLineEdit>("txtStartTime_0");
        box->setFocus(Qt::TabFocusReason);
        QString status;
        connect(h.view, &RelayPanelsView::focusedTextChanged, [&](const QString& s) { status = s; });
        QTest::keyClicks(box, "8.30");
        QCOMPARE(box->text(), QString("8:30"));
        QCOMPARE(status, QString("8:30"));
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(h.ctx.schedule.TimeArray[0].StartTime, std::string("08:30:00"));
    }

    // A relay whose driver failed: its light is marked and says so to a screen reader; the mark goes with
    // the fault.
    void aRelayThatReadsBackWrongIsMarked() {
        Harness h;
        h.TickAndDraw();
        h.t.platform.SetStuck({{0x300, 0xfd, 0x00}});
        QTest::mouseClick(h.Find<QLabel>("lblManual_1"), Qt::LeftButton);
        for (int i = 0; i < 3; ++i)
            h.TickAndDraw();
        QCOMPARE(h.Find<QWidget>("shpRelayLight_1")->accessibleDescription(),
                 QString("OFF, fault: board reads OFF"));
        QCOMPARE(h.Find<QWidget>("shpRelayLight_0")->accessibleDescription(), QString("OFF"));
        h.t.platform.SetStuck({});
        h.TickAndDraw();
        QCOMPARE(h.Find<QWidget>("shpRelayLight_1")->accessibleDescription(), QString("ON"));
    }

    // The light's tool tip says when the relay changes next, once that is reckoned off the tick.
    void theLightsToolTipSaysWhatComesNext() {
        Harness h;
        h.ctx.schedule.TimeArray[PairIndex(0, 0)] = {"10:00:00", "11:00:00", kFalse};
        h.TickAndDraw();
        for (int i = 0; i < 500 && !h.ctx.display.nextKnown; ++i) {
            QTest::qWait(10);
            FollowNextChanges(h.ctx, h.host);
        }
        h.view->ApplyDisplayState();
        QCOMPARE(h.Find<QWidget>("shpRelayLight_0")->toolTip(),
                 QString("Relay state, ON or OFF\nnext: ON at 10:00:01"));
        QCOMPARE(h.Find<QWidget>("shpRelayLight_1")->toolTip(),
                 QString("Relay state, ON or OFF\nnext: no change within 7 days"));
        QCOMPARE(h.Find<QWidget>("shpRelayLight_0")->accessibleDescription(), QString("OFF"));
    }

    void aManualClickRewritesTheRestartFileAndTheNextTickShowsIt() {
        Harness h;
        h.TickAndDraw();
        QVERIFY(!std::filesystem::exists(h.RestartFile()));
        QTest::mouseClick(h.Find<QLabel>("lblManual_2"), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(h.RestartFile()));
        QCOMPARE(h.ctx.schedule.RelayArray[2].Manual, kTrue);
        h.TickAndDraw();
        QCOMPARE(h.Find<QLabel>("lblTotalTime_2")->text(), QString(">Manual<"));
        QCOMPARE(h.Find<QWidget>("shpRelayLight_2")->accessibleDescription(), QString("ON"));

        // The counter from the keyboard: Space presses it as a left click does, switching counting on.
        QTest::keyClick(h.Find<QLabel>("lblCounter_2"), Qt::Key_Space);
        QCOMPARE(h.ctx.schedule.RelayArray[2].CountEnabled, kTrue);
        QCOMPARE(h.Find<QLabel>("lblCounter_2")->text(), QString("0"));
    }

    void aTickThatChangesNothingRepaintsNoPanel() {
        Harness h;
        h.ctx.schedule.TimeArray[PairIndex(5, 0)] = {"09:00:05", "17:00:00", kFalse};
        h.TickAndDraw();
        h.window.setFocus();
        QApplication::processEvents();
        PaintCounter counter(&h.window);
        h.t.platform.clock.Advance(950);
        h.TickAndDraw();
        QCOMPARE(counter.Total(), 0);

        h.t.platform.clock.SetTimeOfDay(9, 0, 6); // relay 6 switches ON
        h.TickAndDraw();
        QVERIFY(counter.paints[5] > 0);
        QCOMPARE(counter.Total(), counter.paints[5]);
    }

    void onlyALeftClickActsOnManualInvertStopAndTheIcon() {
        Harness h;
        auto* panel = h.Find<RelayPanel>("fraRelayGroup_1");
        int chosen = 0;
        panel->SetIconChooser([&chosen](QWidget*) {
            ++chosen;
            return QString();
        });
        for (const Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton, Qt::LeftButton}) {
            for (const char* name : {"lblManual_1", "lblInvert_1", "imgHardStop_1", "imgIDIcon_1"})
                QTest::mouseClick(h.Find<QLabel>(name), button);
            const bool acts = button == Qt::LeftButton;
            QCOMPARE(h.ctx.schedule.RelayArray[1].Manual, acts ? kTrue : kFalse);
            QCOMPARE(h.ctx.schedule.RelayArray[1].Invert, acts ? kTrue : kFalse);
            QCOMPARE(h.ctx.schedule.RelayArray[1].HardStop, acts ? kTrue : kFalse);
            QCOMPARE(chosen, acts ? 1 : 0);
        }
    }

    void theIconClickStoresTheChosenPicture() {
        Harness h;
        auto* panel = h.Find<RelayPanel>("fraRelayGroup_4");
        panel->SetIconChooser([](QWidget*) { return QString("/pictures/pump.png"); });
        QTest::mouseClick(h.Find<QLabel>("imgIDIcon_4"), Qt::LeftButton);
        QCOMPARE(h.ctx.schedule.RelayArray[4].IconFile, std::string("/pictures/pump.png"));
        QVERIFY(std::filesystem::exists(h.RestartFile()));
    }

    // The holiday rule shows what the schedule holds and a choice goes to the restart file.
    void theHolidayRuleShowsAndChanges() {
        Harness h;
        h.ctx.schedule.RelayArray[3].Holiday = HolidayRule::Sunday;
        h.view->LoadFromTables();
        auto* rule = h.Find<QComboBox>("cboHoliday_3");
        QCOMPARE(rule->currentText(), QString("SUNDAY"));
        rule->setFocus();
        QTest::keyClick(rule, Qt::Key_Up);
        QCOMPARE(h.ctx.schedule.RelayArray[3].Holiday, HolidayRule::Skip);
        QVERIFY(std::filesystem::exists(h.RestartFile()));
    }

    void everyControlIsFoundByItsAccessibleName() {
        Harness h;
        h.TickAndDraw();
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&h.window);
        const std::pair<const char*, const char*> kControls[] = {
            {"Relay 3 ON time 2", "txtStartTime_13"}, {"Relay 3 OFF time 2", "txtEndTime_13"},
            {"Relay 3 name", "txtDisplayName_2"},     {"Relay 3 days", "txtDaysOfWeek_2"},
            {"Relay 3 code", "txtDayHrEvenOdd_2"},    {"Relay 3 manual", "lblManual_2"},
            {"Relay 3 invert", "lblInvert_2"},        {"Relay 3 stop", "imgHardStop_2"},
            {"Relay 3 counter", "lblCounter_2"},      {"Relay 3 total time", "lblTotalTime_2"},
            {"Relay 3 state", "shpRelayLight_2"},     {"Relay 8 OFF time 6", "txtEndTime_47"},
            {"Relay 3 holiday rule", "cboHoliday_2"},
        };
        for (const auto& [name, objectName] : kControls) {
            QAccessibleInterface* found = FindAccessible(root, name);
            QVERIFY2(found != nullptr, name);
            QCOMPARE(found->object()->objectName(), QString(objectName));
        }
        QCOMPARE(FindAccessible(root, "Relay 3 state")->text(QAccessible::Description), QString("OFF"));
    }
};

QTEST_MAIN(RelayPanelsTest)
#include "relay_panels_test.moc"
