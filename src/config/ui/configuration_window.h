#pragma once
// The configuration window: the board section, the colour, kill, location and calendar sections, or
// both, as its variant says, with the commands that act on the whole (Save, Cancel Changes, the menus,
// closing).

#include "config/configuration_dialog_model.h"
#include "config/ui/config_sections.h"

#include <QDialog>

#include <functional>

class QAction;
class QHBoxLayout;
class QMenuBar;
class QPushButton;

namespace tavrel {

class ConfigurationWindow final : public QDialog {
    Q_OBJECT
public:
    ConfigurationWindow(ConfigurationDialogModel& model, ColourPicker pickColour, FolderPicker pickFolder,
                        QWidget* parent = nullptr, FilesPicker pickFiles = SystemFilesPicker());

    // Shows the model's values in every control.
    void ShowModel();
    // Adds "MQTT..." beside Save, which opens the MQTT section over this window.
    void AddMqttButton(std::function<void(QWidget* owner)> open);

public slots:
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildSections(SectionHost host, ColourPicker pickColour, FolderPicker pickFolder,
                       FilesPicker pickFiles);
    void BuildMenus(QMenuBar* bar);
    void BuildColourMenu(QMenuBar* bar);
    void BuildResetMenu(QMenuBar* bar);
    void ShowChanged();
    void SaveClicked();
    void CancelClicked();
    // The close question after the focused field is checked; true when the window may close.
    bool ConfirmClose();
    void Print(bool wholeScreen);

    ConfigurationDialogModel& model_;
    FieldChecks* checks_ = nullptr;
    BoardSection* boards_ = nullptr;
    ColourSection* colours_ = nullptr;
    KillSection* kill_ = nullptr;
    LocationSection* location_ = nullptr;
    CalendarSection* calendar_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QAction* menuSave_ = nullptr;
    QAction* menuCancel_ = nullptr;
    QHBoxLayout* buttons_ = nullptr;
};

} // namespace tavrel
