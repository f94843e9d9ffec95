#pragma once
// The MQTT section of the configuration: a field per MQTT setting, "Test connection" that tries the
// entered settings without saving them, and Save, which stores them and restarts the link.

#include "config/mqtt_settings_model.h"

#include <QDialog>

#include <functional>
#include <map>

class QCheckBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QThread;

namespace tavrel {

class MqttSettingsWindow final : public QDialog {
    Q_OBJECT
public:
    // Tries the settings and says what happened; blocks (within its own time limit), so it runs on a
    // thread of its own.
    using CheckConnection = std::function<std::string(const MqttSettings&)>;
    // The chosen file, or empty when the chooser was cancelled.
    using FilePicker = std::function<QString(const QString& current, QWidget* owner)>;

    MqttSettingsWindow(MqttSettingsModel& model, MessageBoxes& boxes, CheckConnection check,
                       FilePicker pickFile, QWidget* parent = nullptr);
    ~MqttSettingsWindow() override;

    void ShowModel();
    bool Testing() const { return tester_ != nullptr; }

signals:
    void testFinished(const QString& text);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void AddField(const MqttField& field, QFormLayout* form);
    // Every text field's entry handed to the model; false (with the reason shown) when one is refused.
    bool CommitTexts();
    void Leave(const MqttField& field, const TypedText& text);
    void TestClicked();
    void SaveClicked();

    MqttSettingsModel& model_;
    MessageBoxes& boxes_;
    CheckConnection check_;
    FilePicker pickFile_;
    std::map<const MqttField*, QLineEdit*> texts_;
    std::map<const MqttField*, QCheckBox*> checks_;
    QLabel* problem_ = nullptr;
    QLabel* result_ = nullptr;
    QPushButton* test_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QThread* tester_ = nullptr;
};

} // namespace tavrel
