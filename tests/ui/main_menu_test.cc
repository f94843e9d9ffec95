// The main window's menus on the offscreen platform: the File commands as a user meets them, the states
// after load, the removal of the configuration, the recent files and the captions the tick sets.

#include "config/configuration.h"
#include "formutil/recent_files.h"
#include "main_window_fixture.h"
#include "mainwindow/ui/frm_relay.h"
#include "mainwindow/ui/main_menu.h"
#include "shell/schedule_commands.h"
#include "shell/startup.h"
#include "shell/ui/qt_tick_host.h"
#include "support/test_platform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <filesystem>
#include <memory>

using namespace tavrel;

namespace {

struct Fixture : test::MainWindowFixture {
    QString openAnswer;
    std::string saveAnswer;

    void Open() {
        OpenWith([this](frmRelay& w) {
            w.Files().SetAskOpenPath([this] { return openAnswer.toStdString(); });
            w.Files().SetAskSavePath([this] { return saveAnswer; });
        });
    }
    QAction* Item(const char* name) {
        auto* item = window->findChild<QAction*>(name);
        if (!item)
            qFatal("no menu item %s", name);
        return item;
    }
    std::string Stored(const char* key, const std::string& name) {
        return ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, key, name, false);
    }
    // A run file of its own at `name` in the test home.
    QString RunFile(const std::string& name) {
        const std::string path = t.platform.home.File(name);
        if (!std::filesystem::exists(path)) {
            if (!FileSaveAs(ctx, path))
                qFatal("cannot write %s", path.c_str());
        }
        return QString::fromStdString(path);
    }
};

} // namespace

class MainMenuTest : public QObject {
    Q_OBJECT

private slots:
    void fileCommandsAskBeforeTheScheduleGoesAndSaveAsNamesIt() {
        Fixture f;
        f.Open();
        f.ctx.files.ScheduleChanged = kTrue;
        f.boxes.setNextAnswer(MsgResult::Cancel);
        f.Item("mnuFileNew")->trigger();
        QCOMPARE(f.boxes.Last().lines.back(), std::string("Save it to New first?"));
        QCOMPARE(f.ctx.files.ScheduleChanged, kTrue);

        f.saveAnswer = f.t.platform.home.File("named.run");
        f.Item("mnuFileSaveAs")->trigger();
        QVERIFY(f.window->windowTitle().contains("named.run"));
        QCOMPARE(f.Item("mnuFileMRU_0")->text(), "&1 " + QString::fromStdString(f.saveAnswer));
        QVERIFY(f.Item("mnuFileMRU_0")->isVisible());
        QVERIFY(f.Item("mnuFileSave")->isEnabled());

        const size_t boxes = f.boxes.Count();
        f.Item("mnuFileExit")->trigger(); // saved: nothing to ask
        QCOMPARE(f.boxes.Count(), boxes);
        QVERIFY(!f.window->isVisible());
        QCOMPARE(f.Stored(kRecentFilesKey, "0"), f.saveAnswer);
    }

    void statesAfterLoad() {
        Fixture f;
        f.ctx.settings.LoggingOnOff = kTrue;
        f.ctx.settings.LogFilePath = "";
        f.Open();
        QCOMPARE(f.Item("mnuToolLogging")->text(), QString("Logging (On)"));
        QVERIFY(f.Item("mnuToolLogging")->isChecked());
        QCOMPARE(f.ctx.settings.LogFilePath, std::string("c:\\"));
        QCOMPARE(f.Item("mnuToolRunNoBoard_0")->text(),
                 QString("Board 0 Status:Emulation (change to Active?)"));
        QVERIFY(f.Item("mnuToolRunNoBoard_0")->isEnabled());
        for (const char* name : {"mnuToolRunNoBoard_1", "mnuToolRunNoBoard_2", "mnuToolRunNoBoard_3"})
            QVERIFY2(!f.Item(name)->isEnabled(), name);
        QCOMPARE(f.Item("mnuToolRunNoBoard_3")->text(),
                 QString("Emulation Mode Board 4 (Run With No Board) "));
        QVERIFY(!f.Item("mnuStateDisplayInput_0")->isEnabled());
        QCOMPARE(f.Item("mnuStateDisplayState_2")->text(), QString("Board 3 State (Not Set)"));
        QVERIFY(f.Item("mnuToolForceCheckTime")->isEnabled());
        QVERIFY(f.Item("mnuToolListAddress_H200_H3FF")->isEnabled());
        QVERIFY(f.Item("mnuToolRunOnBootNever")->isChecked());
        QVERIFY(!f.Item("mnuToolRunOnBootAlways")->isChecked());

        f.Item("mnuToolLogging")->trigger();
        QCOMPARE(f.Item("mnuToolLogging")->text(), QString("Logging (Off)"));
        QCOMPARE(f.Stored(kConfigKey, "LoggingOnOff"), std::string("0"));
    }

    void boardOneWithoutAnAddressStartsEmulatedAndAFireCrackerHasNoForcedCheck() {
        Fixture f;
        BoardRecord& b = f.ctx.schedule.BoardArray[0];
        b.RunNoBoard = 0;
        b.BaseAddress = 0;
        f.Open();
        QCOMPARE(b.RunNoBoard, int16_t{1});
        QCOMPARE(f.Item("mnuToolRunNoBoard_0")->text(),
                 QString("Board 0 Status:Emulation (change to Active?)"));

        Fixture g;
        g.ctx.schedule.BoardArray[0].ChipSetType = "FireCracker";
        g.ctx.schedule.BoardArray[0].BaseAddress = 1;
        g.Open();
        QVERIFY(!g.Item("mnuToolForceCheckTime")->isEnabled());
    }

    void configurationRemoveAsksAndOnlyOkRemovesBothKeys() {
        for (const MsgResult answer : {MsgResult::Cancel, MsgResult::Ok}) {
            Fixture f;
            f.ctx.regApi.SetNewValue(kHkeyLocalMachine, kStartupKey, "String", "frmRelay", "1,2,300,200",
                                     false);
            f.ctx.regApi.SetNewValue(kHkeyLocalMachine, kRecentFilesKey, "String", "0", "/kept.run", false);
            f.Open();
            f.boxes.setNextAnswer(answer);
            f.Item("mnuFileConfigurationRemove")->trigger();
            QCOMPARE(f.boxes.Count(), size_t{1});
            const MessageBoxRequest& box = f.boxes.Last();
            QCOMPARE(box.title, std::string("Confirm Removal"));
            QCOMPARE(box.Text(),
                     std::string("You are about to completely remove all\r\nConfiguration information "
                                 "for Tavrel\r\n\r\nDo you really want to continue?"));
            QCOMPARE(box.defaultButton, MsgResult::Cancel);
            const bool kept = answer == MsgResult::Cancel;
            QCOMPARE(f.Stored(kConfigKey, "ConfigVersion") != kRegKeyNotFound, kept);
            QCOMPARE(f.Stored(kStartupKey, "frmRelay") != kRegKeyNotFound, kept);
            QCOMPARE(f.Stored(kRecentFilesKey, "0"), std::string("/kept.run"));
            QCOMPARE(f.ctx.schedule.ScheduleSuspended, kFalse);
        }
    }

    void recentFilesNewestFirstAtMostEightAndAVanishedOneGoes() {
        Fixture f;
        f.Open();
        QStringList paths;
        for (int i = 1; i <= 9; ++i)
            paths << f.RunFile("s" + std::to_string(i) + ".run");
        for (const QString& path : paths) {
            f.openAnswer = path;
            f.Item("mnuFileOpen")->trigger();
        }
        QVERIFY(f.ctx.engineState.TimerEnabled);
        QVERIFY(f.Item("mnuFileMRU_7")->isVisible());
        QCOMPARE(f.Item("mnuFileMRU_0")->text(), "&1 " + paths[8]);
        QCOMPARE(f.Item("mnuFileMRU_7")->text(), "&8 " + paths[1]);
        QCOMPARE(f.window->Files().Recent().Files().size(), kRecentFilesCapacity);

        f.Item("mnuFileMRU_2")->trigger(); // s7 moves to the top and is the schedule's file
        QCOMPARE(f.Item("mnuFileMRU_0")->text(), "&1 " + paths[6]);
        QCOMPARE(f.ctx.settings.DataFileName, std::string("s7.run"));

        std::filesystem::remove(paths[4].toStdString());
        f.boxes.Clear();
        f.Item("mnuFileMRU_4")->trigger(); // s5: gone
        QCOMPARE(f.boxes.Count(), size_t{1});
        QCOMPARE(f.boxes.Last().lines.front(), paths[4].toStdString());
        QCOMPARE(f.window->Files().Recent().Files().size(), kRecentFilesCapacity - 1);
        QCOMPARE(f.ctx.settings.DataFileName, std::string("s7.run"));

        f.window->CloseBySystem();
        QCOMPARE(f.Stored(kRecentFilesKey, "0"), paths[6].toStdString());
        QCOMPARE(f.Stored(kRecentFilesKey, "7"), std::string(kRegValueNameNotFound));
        frmRelay again(f.ctx, f.host);
        again.Load();
        QCOMPARE(again.findChild<QAction*>("mnuFileMRU_1")->text(), "&2 " + paths[8]);
        again.CloseBySystem();
    }

    void theTickSetsTheStateCaptionsAndCommandsHoldTheSchedule() {
        Fixture f;
        f.Open();
        f.ctx.schedule.TimeArray[0] = {"00:00:00", "23:59:59", kFalse};
        f.ctx.engineState.TimerEnabled = true;
        f.host.Beat();
        QCOMPARE(f.Item("mnuStateDisplayState_0")->text(), QString("RelayState 1 : 1 - - - - - - -"));
        QVERIFY(f.Item("mnuStateDisplayInput_0")->text().startsWith("Inputstate 1 : "));

        f.Item("mnuStateMan_B1_AllOffPause")->trigger(); // the pause box answers at once
        QCOMPARE(f.boxes.Last().title, std::string("System is Paused (All board 1 Relays are OFF)"));
        QCOMPARE(f.Item("mnuStateDisplayState_0")->text(), QString("RelayState 1 : - - - - - - - -"));
        QCOMPARE(f.ctx.schedule.ScheduleSuspended, kFalse);

        f.Item("mnuEdit")->trigger();
        QCOMPARE(f.boxes.Last().title, std::string("Function not available"));
        QCOMPARE(f.boxes.Last().Text(), std::string("Edit has not been coded yet!"));
    }

    void helpShowsTheTextsAUserCanFollow() {
        Fixture f;
        f.Open();
        f.Item("mnuHelpGeneral")->trigger();
        f.Item("mnuHelpConfiguration")->trigger();
        QStringList titles;
        for (auto* help : f.window->findChildren<QDialog*>("frmHelp")) {
            titles << help->windowTitle();
            const QString text = help->findChild<QTextBrowser*>("txtHelp")->toPlainText();
            QVERIFY(text.contains("HH:MM:SS") || text.contains("FireCOMM1"));
        }
        titles.sort();
        QCOMPARE(titles, QStringList({"Tavrel Help (Configuration)", "Tavrel Help (General)"}));
    }

    // The status bar says the link is off (no service here) and a click opens the MQTT settings, whose
    // Save stores the changed value.
    void theMqttFieldOpensTheSettingsThatSaveToTheHive() {
        Fixture f;
        f.Open();
        auto* field = f.window->findChild<QPushButton*>("StatusBarMqtt");
        QCOMPARE(field->text(), QString("MQTT: off"));
        QString opened;
        QTimer::singleShot(50, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            opened = dialog->objectName();
            auto* host = dialog->findChild<QLineEdit*>("txtHost");
            host->setText("broker.lan");
            emit host->editingFinished();
            dialog->findChild<QCheckBox*>("chkEnabled")->click();
            dialog->findChild<QPushButton*>("cmdSave")->click();
            dialog->close();
        });
        field->click();
        QCOMPARE(opened, QString("frmConfigMqtt"));
        QCOMPARE(f.Stored(kMqttKey, "Host"), std::string("broker.lan"));
        QCOMPARE(f.Stored(kMqttKey, "Port"), std::string(kRegValueNameNotFound)); // unchanged: not written
        // Switched on for the first time here: the box gets a ClientId of its own, never the bare host's.
        const std::string id = f.Stored(kMqttKey, "ClientId");
        const bool randomTail = id.size() > 9 && id[id.size() - 9] == '-' &&
                                id.find_first_not_of("0123456789abcdef", id.size() - 8) == std::string::npos;
        QVERIFY2(id.starts_with("tavrel-") && randomTail, id.c_str());
    }

    // Each configuration window comes back where the user left it, however it was closed.
    void configurationWindowsComeBackWhereTheyWereLeft() {
        Fixture f;
        f.Open();
        QStringList seen;
        int mqttButtons = 0;
        const auto moveAndClose = [&](const QPoint& at) {
            QWidget* dialog = QApplication::activeModalWidget();
            if (dialog == nullptr)
                return false;
            seen << dialog->objectName() + QString(" %1,%2").arg(dialog->x()).arg(dialog->y());
            // Each window leads to the MQTT section as well.
            mqttButtons += dialog->findChild<QPushButton*>("cmdMqtt") != nullptr ? 1 : 0;
            dialog->move(at);
            dialog->close();
            return true;
        };
        for (const QPoint& at : {QPoint(31, 42), QPoint(0, 0)}) {
            // Each pass closes every window the command opens, one after the other.
            QTimer closer;
            connect(&closer, &QTimer::timeout, [&] { moveAndClose(at); });
            closer.start(50);
            f.Item("mnuFileConfiguration")->trigger();
        }
        QCOMPARE(seen.size(), 4);
        QCOMPARE(mqttButtons, 4);
        for (int i = 2; i < seen.size(); ++i)
            QVERIFY2(seen[i].endsWith(" 31,42"), qPrintable(seen.join("; ")));
        for (const QString& shown : seen.mid(0, 2))
            QVERIFY(f.Stored(kStartupKey, shown.section(' ', 0, 0).toStdString()) != kRegKeyNotFound);
    }
};

QTEST_MAIN(MainMenuTest)
#include "main_menu_test.moc"
