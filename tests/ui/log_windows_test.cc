// The log file windows on the offscreen platform: the viewer's cancel and show paths, deleting into the
// desktop trash (a home and trash of the test's own, on the log folder's volume), and the path window's
// stored folder.

#include "shell/ui/folder_picker.h"
#include "shell/ui/log_delete_window.h"
#include "shell/ui/log_path_window.h"
#include "shell/ui/log_text_loader.h"
#include "shell/ui/log_viewer_window.h"

#include "support/test_platform.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

using namespace tavrel;

class LogWindowsTest : public QObject {
    Q_OBJECT

    // The home folder and its trash inside the test's own home: the files to delete are then on the
    // home's volume and go to $XDG_DATA_HOME/Trash, wherever the temporary folders live. Returns the
    // trash's files folder.
    static QString OwnHomeAndTrash(test::TestContext& t) {
        const QString home = QString::fromStdString(t.platform.home.Path()) + "/user";
        QDir().mkpath(home + "/data");
        qputenv("HOME", home.toLocal8Bit());
        qputenv("XDG_DATA_HOME", (home + "/data").toLocal8Bit());
        return home + "/data/Trash/files/";
    }

    // The log folder c:\logs with these files in it; returns its path on this machine.
    static QString LogFolder(test::TestContext& t, const QStringList& names) {
        const QString folder = QString::fromStdString(t.ctx.drives.Map("c:\\logs"));
        QDir().mkpath(folder);
        for (const QString& name : names)
            test::WriteWholeFile((folder + "/" + name).toStdString(), "12:00:00 12/07/2026 Open x\r\n");
        return folder;
    }

    static QStringList Listed(const QListWidget* list) {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            names << list->item(i)->text();
        return names;
    }

    static void Select(QListWidget* list, const QStringList& names) {
        for (const QString& name : names)
            list->findItems(name, Qt::MatchExactly).first()->setSelected(true);
    }

private slots:
    void viewerCancelClosesHalfASecondLaterWithoutAnError() {
        test::TestContext t;
        t.ctx.settings.LogFilePath = "c:\\logs\\";
        t.ctx.settings.LogFileName = "Tavrel_2026_12_07.Log";
        const QString folder = LogFolder(t, {"Tavrel_2026_12_07.Log"});
        QString startedAt;
        LogViewerSeams seams;
        seams.chooseFile = [&](const QString& start, QWidget*) {
            startedAt = start;
            return QString();
        };
        QPointer<frmLogFileViewer> viewer = new frmLogFileViewer(t.ctx, seams);
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        viewer->Load();
        QCOMPARE(startedAt, folder + "/Tavrel_2026_12_07.Log");
        auto* timer = viewer->findChild<QTimer*>("tmrClose");
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 500);
        QTRY_VERIFY(viewer.isNull());
        QCOMPARE(t.platform.boxes.Count(), size_t(0));
    }

    void viewerShowsTheChosenFileReadOnlyInAFixedFont() {
        test::TestContext t;
        const QString path = LogFolder(t, {}) + "/Tavrel_2026_12_07.Log";
        test::WriteWholeFile(path.toStdString(), "12:00:00 first\r\n12:01:00 second\r\n");
        LogViewerSeams seams;
        seams.chooseFile = [&](const QString&, QWidget*) { return path; };
        seams.chooseFont = [](const QFont& current, QWidget*) -> std::optional<QFont> {
            QFont bigger = current;
            bigger.setPointSize(14);
            return bigger;
        };
        frmLogFileViewer viewer(t.ctx, seams);
        viewer.Load();
        QTRY_VERIFY(!viewer.Loader().Loading());
        auto* text = viewer.findChild<QPlainTextEdit*>("rtbViewLogs");
        QCOMPARE(text->toPlainText(), QString("12:00:00 first\n12:01:00 second\n"));
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->font().pointSize(), 10);
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        QCOMPARE(viewer.windowTitle(), path);
        viewer.findChild<QAction*>("mnuEditFont")->trigger();
        QCOMPARE(text->font().pointSize(), 14);
    }

    void deleteMovesTheChosenFilesToTheTrash() {
        test::TestContext t;
        t.ctx.settings.LogFilePath = "c:\\logs"; // no final "\": the separator is added
        const QString trash = OwnHomeAndTrash(t);
        const QString folder =
            LogFolder(t, {"Tavrel_2026_12_07.Log", "TAVREL_OLD.LOG", "tavrel_keep.log", "notes.log"});
        frmLogFileDelete window(t.ctx, frmLogFileDelete::TrashOps(t.ctx.drives));
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* files = window.findChild<QListWidget*>("filLogFiles");
        auto* del = window.findChild<QPushButton*>("cmdDelete");
        QCOMPARE(Listed(files), QStringList({"Tavrel_2026_12_07.Log", "tavrel_keep.log", "TAVREL_OLD.LOG"}));
        QVERIFY(!del->isEnabled());
        Select(files, {"Tavrel_2026_12_07.Log", "TAVREL_OLD.LOG"});
        QVERIFY(del->isEnabled());
        QTest::mouseClick(del, Qt::LeftButton);

        QVERIFY(!QFile::exists(folder + "/Tavrel_2026_12_07.Log"));
        QVERIFY(!QFile::exists(folder + "/TAVREL_OLD.LOG"));
        QVERIFY(QFile::exists(trash + "Tavrel_2026_12_07.Log"));
        QVERIFY(QFile::exists(trash + "TAVREL_OLD.LOG"));
        QCOMPARE(Listed(files), QStringList({"tavrel_keep.log"}));
        QVERIFY(!del->isEnabled());
        QCOMPARE(QApplication::focusWidget(), window.findChild<QPushButton*>("cmdCancel"));
        QCOMPARE(t.platform.boxes.Count(), size_t(0));
    }

    void deleteReportsAVanishedFileAndGoesOn() {
        test::TestContext t;
        t.ctx.settings.LogFilePath = "c:\\logs\\";
        OwnHomeAndTrash(t);
        const QString folder = LogFolder(t, {"Tavrel_a.log", "Tavrel_b.log"});
        frmLogFileDelete window(t.ctx, frmLogFileDelete::TrashOps(t.ctx.drives));
        auto* files = window.findChild<QListWidget*>("filLogFiles");
        Select(files, {"Tavrel_a.log", "Tavrel_b.log"});
        QFile::remove(folder + "/Tavrel_a.log");
        window.findChild<QPushButton*>("cmdDelete")->click();
        QCOMPARE(t.platform.boxes.Count(), size_t(1));
        QCOMPARE(t.platform.boxes.Last().lines[1],
                 std::string("Description: File not found: c:\\logs\\Tavrel_a.log"));
        QVERIFY(!QFile::exists(folder + "/Tavrel_b.log"));
        QVERIFY(Listed(files).isEmpty());
    }

    void pathWindowStoresTheFolderWithAFinalBackslash() {
        test::TestContext t;
        t.ctx.settings.LogFilePath = "c:\\";
        LogFolder(t, {});
        frmLogFilePath window(t.ctx);
        auto* folders = window.findChild<QListWidget*>("dirFolder");
        auto* path = window.findChild<QLineEdit*>("txtPath");
        QCOMPARE(path->text(), QString("c:\\"));
        QListWidgetItem* logs = folders->findItems("logs", Qt::MatchEndsWith).first();
        folders->setCurrentItem(logs);
        QCOMPARE(path->text(), QString("c:\\logs"));
        window.findChild<QPushButton*>("cmdSelect")->click();
        QCOMPARE(window.result(), int(QDialog::Accepted));
        QCOMPARE(t.ctx.settings.LogFilePath, std::string("c:\\logs\\"));
        const std::string hive = test::ReadWholeFile(t.platform.home.File("registry/HKEY_LOCAL_MACHINE.reg"));
        QVERIFY2(hive.find(R"("LogFilePath"="c:\\logs\\")") != std::string::npos, hive.c_str());
    }

    void pathWindowCancelChangesNothing() {
        test::TestContext t;
        t.ctx.settings.LogFilePath = "c:\\";
        LogFolder(t, {});
        frmLogFilePath window(t.ctx);
        auto* folders = window.findChild<QListWidget*>("dirFolder");
        emit folders->itemActivated(folders->findItems("logs", Qt::MatchEndsWith).first());
        QCOMPARE(window.findChild<FolderPicker*>()->Folder(), std::string("c:\\logs"));
        window.findChild<QPushButton*>("cmdCancel")->click();
        QCOMPARE(t.ctx.settings.LogFilePath, std::string("c:\\"));
        QVERIFY(
            !QFile::exists(QString::fromStdString(t.platform.home.File("registry/HKEY_LOCAL_MACHINE.reg"))) ||
            test::ReadWholeFile(t.platform.home.File("registry/HKEY_LOCAL_MACHINE.reg")).find("logs") ==
                std::string::npos);
    }

    // The delete and path windows come back where they were left, whichever way they were closed.
    void deleteAndPathWindowsComeBackWhereTheyWereLeft() {
        test::TestContext t;
        t.ctx.settings.LogFilePath = "c:\\";
        LogFolder(t, {});
        const std::function<QDialog*()> makers[] = {
            [&] { return new frmLogFileDelete(t.ctx, frmLogFileDelete::TrashOps(t.ctx.drives)); },
            [&] { return new frmLogFilePath(t.ctx); }};
        for (const auto& make : makers) {
            std::unique_ptr<QDialog> first(make());
            first->show();
            first->move(37, 45);
            QTest::keyClick(first.get(), Qt::Key_Escape);
            QVERIFY(!first->isVisible());
            std::unique_ptr<QDialog> again(make());
            QCOMPARE(again->pos(), QPoint(37, 45));
        }
    }
};

QTEST_MAIN(LogWindowsTest)
#include "log_windows_test.moc"
