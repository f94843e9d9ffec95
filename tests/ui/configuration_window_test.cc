// The configuration window on the offscreen platform: a refused entry keeps the focus, the colour
// picker is replaced through its seam, and Save writes the hive.

#include "config/ui/configuration_window.h"

#include "shell/holidays_ahead.h"

#include "support/fake_calendar_reader.h"
#include "support/test_platform.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

using namespace tavrel;

class ConfigurationWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        explicit Fixture(ConfigWindow variant, std::optional<int32_t> pick = std::nullopt,
                         bool nothingStored = false,
                         const std::function<void(ProgramContext&)>& stored = {}) {
            ctx.schedule.BoardArray[0].ChipSetType = "CBRelay08";
            ctx.schedule.BoardArray[0].BaseAddress = 0x300;
            if (stored)
                stored(ctx);
            ConfigurationTargets targets{ctx.settings,
                                         ctx.schedule.BoardArray,
                                         ctx.schedule.RelayGroupColors,
                                         t.platform.boxes,
                                         [this] { ctx.NewConfiguration().ConfigurationSaveToReg(); },
                                         nothingStored};
            targets.loadCalendarReader = [](std::string&) -> std::unique_ptr<CalendarReader> {
                auto reader = std::make_unique<test::FakeCalendarReader>();
                CalendarFileRecord& file = reader->files["/cal/holidays.ics"];
                file.opened = file.isCalendar = true;
                file.events = {{"Christmas Day", true, {2026, 12, 25}, {2026, 12, 26}, {}, {}},
                               {"New Year's Day", true, {2027, 1, 1}, {2027, 1, 2}, {}, {}}};
                return reader;
            };
            targets.holidaysAhead = [this](CalendarReader& reader, const std::string& setting, int count) {
                return ReadHolidaysAhead(reader, setting, ctx.drives, {2026, 12, 7}, count);
            };
            model = std::make_unique<ConfigurationDialogModel>(variant, targets);
            window = std::make_unique<ConfigurationWindow>(
                *model,
                [this, pick](int32_t initial, const QString& title, QWidget*) {
                    pickedFrom = initial;
                    pickerTitle = title;
                    return pick;
                },
                [](const QString&, QWidget*) { return QString(); }, nullptr,
                [this](const QString&, QWidget*) { return chosenFiles; });
            window->show();
            QApplication::setActiveWindow(window.get());
        }
        template <typename T> T* Find(const char* name) { return window->findChild<T*>(name); }
        std::string Hive() {
            return test::ReadWholeFile(t.platform.home.File("registry/HKEY_LOCAL_MACHINE.reg"));
        }

        test::TestContext t;
        ProgramContext& ctx = t.ctx;
        std::unique_ptr<ConfigurationDialogModel> model;
        std::unique_ptr<ConfigurationWindow> window;
        int32_t pickedFrom = -1;
        QString pickerTitle;
        QStringList chosenFiles;
    };

    // Leaves `field` with `text` by the Tab key, the way a user moves on.
    static void LeaveWith(QWidget* field, const QString& text) {
        field->setFocus(Qt::OtherFocusReason);
        if (auto* combo = qobject_cast<QComboBox*>(field))
            combo->setEditText(text);
        else
            qobject_cast<QLineEdit*>(field)->setText(text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
    }

    static bool HasFocus(QWidget* field) {
        QWidget* f = QApplication::focusWidget();
        return f == field || (f != nullptr && f->parentWidget() == field);
    }

private slots:
    void refusedEntryKeepsTheFocus() {
        Fixture f(ConfigWindow::frmConfiguration);
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto* base = f.Find<QComboBox>("cmbBaseAddress_0");
        QVERIFY(base != nullptr);
        LeaveWith(base, "FireCOMM1");
        QCOMPARE(f.t.platform.boxes.Count(), size_t(1));
        QCOMPARE(f.t.platform.boxes.Last().title,
                 std::string("Some Entries for this board are FireCracker Only!"));
        QVERIFY(HasFocus(base));
        QCOMPARE(f.ctx.schedule.BoardArray[0].BaseAddress, 0x300);

        // Save is refused while the entry stands.
        QTest::mouseClick(f.Find<QPushButton>("cmdSave"), Qt::LeftButton);
        QVERIFY(f.Hive().find("ChipSetType1") == std::string::npos);

        LeaveWith(base, "2a0");
        QVERIFY(!HasFocus(base));
        QCOMPARE(f.ctx.schedule.BoardArray[0].BaseAddress, 0x2A0);
        QCOMPARE(base->currentText(), QString("2A0"));

        auto* board = f.Find<QLineEdit>("txtKillBySignalBoardNum");
        LeaveWith(board, "2");
        QCOMPARE(f.t.platform.boxes.Last().title, std::string("Error: Invalid Board Number"));
        QCOMPARE(board->text(), QString("1"));
        QVERIFY(HasFocus(board));
    }

    void theLocationShowsTodayAsTypedAndRefusesWhatIsNotACoordinate() {
        Fixture f(ConfigWindow::frmConfiguration);
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        auto* latitude = f.Find<QLineEdit>("txtLatitude");
        auto* today = f.Find<QLabel>("lblSunToday");
        QVERIFY(latitude != nullptr && today != nullptr);
        QCOMPARE(latitude->accessibleName(), QString("Latitude"));
        QCOMPARE(today->text(), QString(kNoLocationText));
        latitude->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(latitude, "52.52");
        // Typed, not yet stored: the line already follows it.
        QCOMPARE(today->text(), QString::fromStdString(CoordinateRefusal(Coordinate::Longitude)));
        QCOMPARE(f.ctx.settings.Latitude, std::string());

        LeaveWith(f.Find<QLineEdit>("txtLongitude"), "13,40");
        QCOMPARE(f.t.platform.boxes.Last().Text(), CoordinateRefusal(Coordinate::Longitude));
        QVERIFY(HasFocus(f.Find<QLineEdit>("txtLongitude")));
        QCOMPARE(f.ctx.settings.Latitude, std::string("52.52"));
    }

    void theCalendarListsTheHolidaysOfTheFilesChosenAndSavesThem() {
        for (ConfigWindow variant : {ConfigWindow::frmConfiguration, ConfigWindow::frmConfigColors}) {
            Fixture f(variant);
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
            auto* files = f.Find<QLineEdit>("txtHolidayFiles");
            auto* browse = f.Find<QPushButton>("cmdHolidayFilesBrowse");
            auto* coming = f.Find<QLabel>("lblComingHolidays");
            auto* notes = f.Find<QLabel>("lblHolidayNotes");
            QVERIFY(files != nullptr && browse != nullptr && coming != nullptr && notes != nullptr);
            for (QWidget* w : std::initializer_list<QWidget*>{files, browse, coming, notes})
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            QCOMPARE(notes->accessibleDescription(), QString(kNoHolidayFilesText));

            f.chosenFiles = {"/cal/holidays.ics"};
            QTest::mouseClick(browse, Qt::LeftButton);
            QTest::mouseClick(browse, Qt::LeftButton); // chosen again: listed once
            QCOMPARE(files->text(), QString("/cal/holidays.ics"));
            QVERIFY(coming->isVisible());
            QCOMPARE(coming->accessibleDescription(),
                     QString("2026-12-25  Christmas Day\n2027-01-01  New Year's Day"));

            LeaveWith(files, "/cal/holidays.ics; /cal/gone.ics");
            QVERIFY(notes->accessibleDescription().contains(
                "\"/cal/gone.ics\" cannot be read (No such file or directory)"));
            QVERIFY(coming->isVisible());
            QTest::mouseClick(f.Find<QPushButton>("cmdSave"), Qt::LeftButton);
            QVERIFY(f.Hive().find("\"HolidayFiles\"=\"/cal/holidays.ics;/cal/gone.ics\"") !=
                    std::string::npos);
        }
    }

    void aKillWithNoActionIsWarnedOf() {
        Fixture f(ConfigWindow::frmConfiguration);
        auto* warning = f.Find<QLabel>("lblKillWarning");
        QVERIFY(warning != nullptr);
        QVERIFY(warning->isHidden());
        f.Find<QCheckBox>("chkKillByButton")->setChecked(true);
        QVERIFY(!warning->isHidden());
        QVERIFY(warning->text().contains("no action"));
        f.Find<QCheckBox>("chkKillActionAllOFF")->setChecked(true);
        QVERIFY(warning->isHidden());
    }

    void cancelledPickerChangesNothing() {
        Fixture f(ConfigWindow::frmConfigColors);
        f.ctx.settings.ColorRelayON = 0x00FF00;
        f.model->Colours().Refresh();
        f.window->ShowModel();
        QTest::mouseClick(f.Find<QPushButton>("cmdSetColorIndicator_1"), Qt::LeftButton);
        QCOMPARE(f.pickerTitle, QString("Select Status Color"));
        QCOMPARE(f.pickedFrom, 0x00FF00);
        QVERIFY(!f.Find<QPushButton>("cmdSave")->isEnabled());
        QVERIFY(f.Find<QComboBox>("cmbBaseAddress_0") == nullptr);
        QVERIFY(!f.Find<QAction>("mnuResetAddress")->isVisible());
        QCOMPARE(f.window->windowTitle(), QString("Tavrel Configuration Color Preferences"));
    }

    // A name typed in the window is kept in the settings' single-byte text and a stored one shows as it was
    // written; a character that text has no byte for is refused by name, the stored name kept.
    void namesTravelInTheSettingsSingleByteText() {
        struct Case {
            const char* field;
            bool typedKeyByKey; // a relay name is taken as it is typed, the button name when it is left
            std::string& (*stored)(ProgramContext&);
        };
        const Case cases[] = {
            {"txtRelayName_1", true,
             [](ProgramContext& c) -> std::string& { return c.schedule.BoardArray[0].RelayNames[1]; }},
            {"txtKillMiscButtonName", false,
             [](ProgramContext& c) -> std::string& { return c.settings.KillMiscButtonName; }},
        };
        for (const Case& c : cases) {
            Fixture f(ConfigWindow::frmConfiguration);
            QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
            auto* field = f.Find<QLineEdit>(c.field);
            QVERIFY2(field != nullptr, c.field);
            const auto type = [&](const QString& text) {
                field->setFocus(Qt::OtherFocusReason);
                field->selectAll();
                QCoreApplication::processEvents();
                for (const QChar ch : text) // keyClicks takes Latin-1 only
                    QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(ch), Qt::NoModifier);
                if (!c.typedKeyByKey)
                    QTest::keyClick(field, Qt::Key_Tab);
                QCoreApplication::processEvents();
            };
            const QString typed = QString::fromUtf8("K\u00fcche \u20ac");
            const std::string stored = "K\xFC"
                                       "che \x80";
            type(typed);
            QCOMPARE(c.stored(f.ctx), stored);
            const size_t boxes = f.t.platform.boxes.Count();
            type(QString::fromUtf8("\u0141"));
            QCOMPARE(c.stored(f.ctx), stored);
            QCOMPARE(field->text(), typed);
            QCOMPARE(f.t.platform.boxes.Count(), boxes + 1);
            std::string said;
            for (const std::string& line : f.t.platform.boxes.Last().lines)
                said += line;
            QVERIFY2(said.find("\u0141") != std::string::npos, said.c_str());
            type({}); // the name kept is taken again as the field is left
            QTest::mouseClick(f.Find<QPushButton>("cmdSave"), Qt::LeftButton);
            QVERIFY(f.Hive().find("=\"K\u00fcche \u20ac\"") != std::string::npos);

            Fixture shown(ConfigWindow::frmConfiguration, std::nullopt, false,
                          [&c](ProgramContext& ctx) { c.stored(ctx) = "Gr\xFCn"; });
            QCOMPARE(shown.Find<QLineEdit>(c.field)->text(), QString::fromUtf8("Gr\u00fcn"));
        }
    }

    void aFirstRunCanSaveTheDefaultsAsTheyAre() {
        for (const bool nothingStored : {true, false}) {
            Fixture f(ConfigWindow::frmConfiguration, std::nullopt, nothingStored);
            auto* save = f.Find<QPushButton>("cmdSave");
            QCOMPARE(save->isEnabled(), nothingStored);
            QCOMPARE(f.Find<QAction>("mnuFileSave")->isEnabled(), nothingStored);
            if (!nothingStored)
                continue;
            QTest::mouseClick(save, Qt::LeftButton);
            QVERIFY(f.model->Saved());
            QVERIFY(f.Hive().find("\"ConfigVersion\"") != std::string::npos);
            QVERIFY(!save->isEnabled());
        }
    }

    void saveWritesTheHive() {
        Fixture f(ConfigWindow::frmConfiguration, 0x0000FF);
        QTest::mouseClick(f.Find<QPushButton>("cmdSetColorGroupBkgrnd_2"), Qt::LeftButton);
        QCOMPARE(f.pickerTitle, QString("Select Group Background Color"));
        QCOMPARE(f.ctx.schedule.RelayGroupColors[2], 0x0000FF);
        QTest::mouseClick(f.Find<QPushButton>("cmdSetColorIndicator_4"), Qt::LeftButton);
        auto* save = f.Find<QPushButton>("cmdSave");
        QVERIFY(save->isEnabled());
        QTest::mouseClick(save, Qt::LeftButton);
        QVERIFY(!save->isEnabled());
        const std::string hive = f.Hive();
        QVERIFY(hive.find("\"ColorRelayGroup3\"=\"255\"") != std::string::npos);
        QVERIFY(hive.find("\"ColorTimeOFF\"=\"255\"") != std::string::npos);
        QVERIFY(hive.find("\"BaseAddress1\"=\"768\"") != std::string::npos);
        QVERIFY(f.model->Saved());
    }
};

QTEST_MAIN(ConfigurationWindowTest)
#include "configuration_window_test.moc"
