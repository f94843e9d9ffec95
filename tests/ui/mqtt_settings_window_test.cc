// The MQTT section on the offscreen platform: every field named for a screen reader, the password hidden,
// a refused entry explained, "Test connection" off the window's thread, Save handing on only what changed.

#include "config/ui/mqtt_settings_window.h"

#include "support/fake_message_boxes.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <future>
#include <thread>

using namespace tavrel;

class MqttSettingsWindowTest : public QObject {
    Q_OBJECT

    struct Fixture {
        explicit Fixture(MqttSettingsWindow::CheckConnection check = {}) {
            window = std::make_unique<MqttSettingsWindow>(model, boxes, std::move(check), nullptr);
            window->show();
        }
        template <typename T> T* Find(const char* name) { return window->findChild<T*>(name); }
        void Enter(const char* name, const QString& text) {
            auto* edit = Find<QLineEdit>(name);
            edit->setText(text);
            emit edit->editingFinished();
        }

        std::vector<std::string> saved;
        MqttSettingsModel model{{}, [this](const MqttSettings&, const std::vector<const SettingRow*>& rows) {
                                    for (const SettingRow* r : rows)
                                        saved.emplace_back(r->name);
                                }};
        test::FakeMessageBoxes boxes;
        std::unique_ptr<MqttSettingsWindow> window;
    };

private slots:
    void everyFieldIsNamedAndThePasswordHidden() {
        Fixture f;
        QCOMPARE(
            size_t(f.window->findChildren<QLineEdit*>().size() + f.window->findChildren<QCheckBox*>().size()),
            f.model.Fields().size());
        for (QWidget* w : f.window->findChildren<QWidget*>())
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w) || qobject_cast<QPushButton*>(w))
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        QCOMPARE(f.Find<QLineEdit>("txtPassword")->echoMode(), QLineEdit::Password);
    }

    void aRefusedEntrySaysWhyAndSaveStoresOnlyTheChanges() {
        Fixture f;
        auto* save = f.Find<QPushButton>("cmdSave");
        QVERIFY(!save->isEnabled());
        f.Enter("txtPort", "99999");
        QCOMPARE(f.Find<QLineEdit>("txtPort")->text(), QString("1883"));
        QVERIFY(f.Find<QLabel>("lblProblem")->text().contains("1 to 65535"));
        QVERIFY(!save->isEnabled());
        f.Enter("txtHost", "broker.lan");
        f.Find<QCheckBox>("chkDiscovery")->click();
        QVERIFY(f.Find<QLabel>("lblProblem")->text().isEmpty());
        QVERIFY(save->isEnabled());
        save->click();
        QCOMPARE(f.saved, (std::vector<std::string>{"Host", "Discovery"}));
        QVERIFY(!save->isEnabled());
        // Nothing left to save: closing asks nothing.
        f.window->close();
        QCOMPARE(f.boxes.Count(), size_t(0));
    }

    void closingWithChangesAsksAndCancelStays() {
        Fixture f;
        f.Enter("txtHost", "broker.lan");
        f.boxes.setNextAnswer(MsgResult::Cancel);
        f.window->close();
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.boxes.Last().title, std::string("MQTT Settings"));
        f.boxes.setNextAnswer(MsgResult::No);
        f.window->close();
        QVERIFY(!f.window->isVisible());
        QVERIFY(f.saved.empty());
    }

    void testConnectionRunsOffTheWindowsThreadOnTheEnteredSettings() {
        std::promise<void> answer;
        std::shared_future<void> answered = answer.get_future().share();
        std::thread::id ranOn;
        std::string triedHost;
        Fixture f([&](const MqttSettings& s) {
            ranOn = std::this_thread::get_id();
            triedHost = s.Host;
            answered.wait();
            return std::string("Connected to ") + s.Host + ":1883.";
        });
        f.Find<QLineEdit>("txtHost")->setText("typed.lan"); // not yet left: the test takes it as well
        f.Find<QPushButton>("cmdTestConnection")->click();
        auto* result = f.Find<QLabel>("lblTestResult");
        // The window answers while the try still waits.
        QCOMPARE(result->text(), QString("Trying typed.lan:1883 ..."));
        QVERIFY(!f.Find<QPushButton>("cmdTestConnection")->isEnabled());
        QApplication::processEvents();
        answer.set_value();
        QTRY_COMPARE(result->text(), QString("Connected to typed.lan:1883."));
        QVERIFY(ranOn != std::this_thread::get_id());
        QCOMPARE(triedHost, std::string("typed.lan"));
        QVERIFY(f.saved.empty());
        QVERIFY(f.Find<QPushButton>("cmdTestConnection")->isEnabled());
    }
};

QTEST_MAIN(MqttSettingsWindowTest)
#include "mqtt_settings_window_test.moc"
