// The main window and the kill window on the offscreen platform, with the fake platform: the close
// question, the first run, a crash restart, the kill window and a close by the system.

#include "main_window_fixture.h"
#include "mainwindow/status_bar_text.h"
#include "mainwindow/ui/frm_relay.h"
#include "platform/file_io.h"
#include "shell/schedule_commands.h"
#include "shell/startup.h"
#include "shell/ui/kill_button_window.h"
#include "shell/ui/qt_tick_host.h"
#include "shell/window_startup.h"
#include "support/test_platform.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace tavrel;

namespace {

// A configured program with its main window loaded and shown.
struct Fixture : test::MainWindowFixture {
    int askedForName = 0;
    std::string savePath;

    void Open() {
        OpenWith([this](frmRelay& w) {
            w.Files().SetAskSavePath([this] {
                ++askedForName;
                return savePath;
            });
        });
    }
    bool RestartFileExists() { return FileExists(ctx.drives.Map("c:\\TVRestart.run")); }
    // An edited schedule, as the panels leave it.
    void Edit() {
        ctx.schedule.RelayArray[0].DisplayName = "Pump";
        ctx.files.ScheduleChanged = kTrue;
        WriteRestartFile(ctx);
    }
    QString Status(int field) {
        return window->findChild<QLabel*>(QString("StatusBar1_%1").arg(field + 1))->text();
    }
};

} // namespace

class FrmRelayTest : public QObject {
    Q_OBJECT

private slots:
    void aBoardFaultShowsInTheStatusBarInTheErrorColour() {
        Fixture f;
        f.Open();
        auto* field = f.window->findChild<QLabel*>("StatusBar1_5");
        const QColor normal = field->palette().color(QPalette::WindowText);
        f.ctx.boardState.health[0].faultText = "Read-back fault board 1: relays 2, written 03, read 01";
        f.window->RefreshCaptionAndStatus();
        QVERIFY(f.Status(kStatusBoard).endsWith(" - Read-back fault board 1: relays 2, written 03, read 01"));
        QVERIFY(field->palette().color(QPalette::WindowText) != normal);
        f.ctx.boardState.health[0].faultText.clear();
        f.window->RefreshCaptionAndStatus();
        QCOMPARE(field->palette().color(QPalette::WindowText), normal);
    }

    void closeQuestionCancelKeepsRunningWithTheTimer() {
        Fixture f;
        f.Open();
        f.Edit();
        QVERIFY(!f.ctx.engineState.TimerEnabled);
        f.boxes.setNextAnswer(MsgResult::Cancel);
        QVERIFY(!f.window->close());
        QCOMPARE(f.boxes.Count(), size_t{1});
        QCOMPARE(f.boxes.Last().buttons, MsgButtons::YesNoCancel);
        QVERIFY(f.window->isVisible());
        QVERIFY(f.ctx.engineState.TimerEnabled);
        QCOMPARE(f.Status(kStatusTimer), QString("Timer Running"));
        QVERIFY(f.RestartFileExists());
        QVERIFY(f.ctx.portAccess.PortLibraryReady());
    }

    void closeQuestionNoClosesWithoutSaving() {
        Fixture f;
        f.Open();
        f.Edit();
        f.boxes.setNextAnswer(MsgResult::No);
        QVERIFY(f.window->close());
        QCOMPARE(f.askedForName, 0);
        QVERIFY(!f.RestartFileExists());
        QVERIFY(!f.ctx.portAccess.PortLibraryReady());
    }

    void closeQuestionYesAsksANameForANewSchedule() {
        Fixture f;
        f.Open();
        f.Edit();
        f.savePath = f.t.platform.home.File("pumps.run");
        f.boxes.setNextAnswer(MsgResult::Yes);
        QVERIFY(f.window->close());
        QCOMPARE(f.askedForName, 1);
        QVERIFY(FileExists(f.savePath));
        QVERIFY(!f.RestartFileExists());
    }

    void aConfigurationSaveLeavesAnUnnamedScheduleUnnamed() {
        Fixture f;
        f.Open();
        f.Edit();
        f.ctx.NewConfiguration().ConfigurationSaveToReg(); // as the configuration window's Save
        f.window->Host().RefreshStatusBar();
        QCOMPARE(f.window->windowTitle(), QString("New"));
        f.savePath = f.t.platform.home.File("pumps.run");
        f.boxes.setNextAnswer(MsgResult::Yes);
        QVERIFY(f.window->close());
        QCOMPARE(f.askedForName, 1);
        QVERIFY(FileExists(f.savePath));
    }

    void firstRunAsksThenConfiguresAndCancelEnds() {
        for (const bool accept : {true, false}) {
            test::TestContext t;
            int dialogs = 0;
            StartupSteps steps;
            steps.openConfiguration = [&] {
                ++dialogs;
                ApplyDefaultConfiguration(t.ctx);
                t.ctx.NewConfiguration().ConfigurationSaveToReg();
                return true;
            };
            t.platform.boxes.setNextAnswer(accept ? MsgResult::Ok : MsgResult::Cancel);
            const StartupOutcome outcome = RunWindowStartup(t.ctx, false, steps);
            QCOMPARE(t.platform.boxes.Count(), size_t{1});
            QCOMPARE(t.platform.boxes.Last().lines.front(), std::string("Tavrel is not Configured!"));
            QCOMPARE(outcome, accept ? StartupOutcome::Run : StartupOutcome::ConfigurationRefused);
            QCOMPARE(dialogs, accept ? 1 : 0);
            if (!accept)
                continue;
            QtTickHost host(t.ctx);
            frmRelay window(t.ctx, host);
            window.Load();
            window.show();
            QCOMPARE(window.windowTitle(), QString("New"));
            QVERIFY(window.findChild<QLabel*>("StatusBar1_5")->text().contains("Emulation"));
        }
    }

    void aStartWithARestartFileResumesWithTheTimerRunning() {
        Fixture f;
        InitialiseNewSchedule(f.ctx.schedule);
        f.ctx.schedule.RelayArray[2].Manual = kTrue;
        WriteRestartFile(f.ctx);
        f.Open();
        QCOMPARE(f.window->windowTitle(), QString(kRestartCaption));
        QVERIFY(f.ctx.engineState.TimerEnabled);
        QCOMPARE(f.Status(kStatusTimer), QString("Timer Running"));
        QVERIFY(!f.window->findChild<QAction*>("mnuFileSave")->isEnabled());
        QCOMPARE(f.ctx.schedule.RelayArray[2].Manual, kTrue);

        f.window->OpenFromCommandLine("/somewhere/other.run");
        QCOMPARE(f.window->windowTitle(), QString(kRestartCaption));
        QVERIFY(f.Status(kStatusFile).contains("other.run not opened"));
    }

    void killAllOffShowsUnKillAndExitStillAsksTheSaveQuestion() {
        Fixture f;
        f.Open();
        frmKillButton kill(f.ctx, f.host);
        connect(f.window.get(), &frmRelay::closeCancelled, &kill, &frmKillButton::ShowAgain);
        f.ctx.settings.KillMiscButtonName = "STOP ALL";
        f.ctx.settings.KillActionAllOff = 1;
        kill.Load();
        auto* killButton = kill.findChild<QPushButton*>("cmdKillButtonCommandOK");
        auto* unKillButton = kill.findChild<QPushButton*>("cmdKillButtonUNStop");
        QCOMPARE(kill.windowTitle(), QString("Reminder"));
        QCOMPARE(killButton->text(), QString("STOP ALL"));
        QVERIFY(unKillButton->isHidden());

        QTest::mouseClick(killButton, Qt::LeftButton);
        QVERIFY(killButton->isHidden());
        QVERIFY(!unKillButton->isHidden());
        QCOMPARE(f.ctx.schedule.RelayArray[0].HardStop, kTrue);
        QTest::mouseClick(unKillButton, Qt::LeftButton);
        QVERIFY(!killButton->isHidden());
        QCOMPARE(f.ctx.schedule.RelayArray[0].HardStop, kFalse);

        // Exit (and shut down): the save question comes first; Cancel keeps everything running.
        f.ctx.settings.KillActionAllOff = 0;
        f.ctx.settings.KillActionExitProgram = 1;
        f.ctx.settings.KillActionShutDown = 1;
        f.Edit();
        f.boxes.Clear();
        f.boxes.setNextAnswer(MsgResult::Cancel);
        QTest::mouseClick(killButton, Qt::LeftButton);
        QCOMPARE(f.boxes.Count(), size_t{1});
        QCOMPARE(f.boxes.Last().buttons, MsgButtons::YesNoCancel);
        QVERIFY(f.window->isVisible());
        QVERIFY(kill.isVisible());
        QCOMPARE(f.t.platform.power.requests, 0);

        f.boxes.setNextAnswer(MsgResult::No);
        QTest::mouseClick(killButton, Qt::LeftButton);
        QVERIFY2(f.ctx.engineState.TimerEnabled, "re-enabled by the cancelled close: the next tick acts");
        f.host.Beat();
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.t.platform.power.requests, 1);
    }

    void aCancelledCloseAfterAnAllOffKillKeepsUnKill() {
        // "All OFF" alone, then the user's own close; "all OFF" with Exit, whose close is the kill's.
        for (const bool withExit : {false, true}) {
            Fixture f;
            f.Open();
            frmKillButton kill(f.ctx, f.host);
            connect(f.window.get(), &frmRelay::closeCancelled, &kill, &frmKillButton::ShowAgain);
            f.ctx.settings.KillActionAllOff = 1;
            f.ctx.settings.KillActionExitProgram = withExit ? 1 : 0;
            kill.Load();
            auto* killButton = kill.findChild<QPushButton*>("cmdKillButtonCommandOK");
            auto* unKillButton = kill.findChild<QPushButton*>("cmdKillButtonUNStop");
            f.Edit();
            f.boxes.setNextAnswer(MsgResult::Cancel);
            QTest::mouseClick(killButton, Qt::LeftButton);
            if (!withExit)
                QVERIFY(!f.window->close());
            QCOMPARE(f.boxes.Count(), size_t{1});
            QVERIFY(f.window->isVisible());
            QCOMPARE(f.ctx.schedule.RelayArray[0].HardStop, kTrue);
            QVERIFY(kill.isVisible());
            QVERIFY(killButton->isHidden());
            QVERIFY(!unKillButton->isHidden());
            QTest::mouseClick(unKillButton, Qt::LeftButton);
            QCOMPARE(f.ctx.schedule.RelayArray[0].HardStop, kFalse);
        }
    }

    void aKillLeftPendingRunsFromAnEntryThroughTheClosePath() {
        Fixture f;
        f.Open();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        f.Edit();
        f.ctx.settings.KillActionAllOff = 0;
        f.ctx.settings.KillActionShutDown = 1;
        f.ctx.engineState.KillPending = kTrue; // pressed while the timer ran; the entry's check acts first
        f.boxes.setNextAnswer(MsgResult::No);
        auto* box = f.window->findChild<QLineEdit*>("txtStartTime_0");
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, "8:30");
        QTest::keyClick(box, Qt::Key_Tab);
        QCOMPARE(f.boxes.Count(), size_t{1});
        QCOMPARE(f.boxes.Last().buttons, MsgButtons::YesNoCancel);
        QVERIFY(!f.window->isVisible());
        QVERIFY(!f.RestartFileExists());
        QVERIFY(!f.ctx.portAccess.PortLibraryReady());
        QCOMPARE(f.t.platform.power.requests, 1);
    }

    void aKillBeforeTheMainWindowExistsTakesTheClosePath() {
        Fixture f; // configured, but the main window is not made yet (a start-up warning is open)
        InitialiseNewSchedule(f.ctx.schedule);
        WriteRestartFile(f.ctx);
        QVERIFY(PortLayerControl(f.ctx, "Load"));
        f.ctx.settings.KillActionAllOff = 0;
        f.ctx.settings.KillActionShutDown = 1;
        frmKillButton kill(f.ctx, f.host);
        kill.Load();
        QTest::mouseClick(kill.findChild<QPushButton*>("cmdKillButtonCommandOK"), Qt::LeftButton);
        QVERIFY(!f.RestartFileExists());
        QVERIFY(!f.ctx.portAccess.PortLibraryReady());
        QCOMPARE(f.t.platform.power.requests, 1);
        QVERIFY2(f.host.ClosedBeforeWindow(), "the start-up ends without making the main window");
    }

    void aSystemCloseAsksNothingAndKeepsTheRestartFile() {
        Fixture f;
        f.Open();
        f.Edit();
        f.window->CloseBySystem();
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.boxes.Count(), size_t{0});
        QVERIFY(f.RestartFileExists());
        QVERIFY(!f.ctx.portAccess.PortLibraryReady());
    }
};

QTEST_MAIN(FrmRelayTest)
#include "frm_relay_test.moc"
