#pragma once
// The configuration window: the board section, the colour and kill section, or both, as its variant
// says. It forwards every entry to ConfigurationDialogModel and shows what the model holds.

#include "config/configuration_dialog_model.h"

#include <QDialog>
#include <QHash>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;
class QAction;

namespace tavrel {

// Opens a colour dialog titled `title` on `initial` (0x00BBGGRR); nullopt when cancelled.
using ColourPicker =
    std::function<std::optional<int32_t>(int32_t initial, const QString& title, QWidget* parent)>;
// Asks for a folder starting at `start`; the log folder text to store, or empty when cancelled.
using FolderPicker = std::function<QString(const QString& start, QWidget* parent)>;

ColourPicker SystemColourPicker();

class ConfigurationWindow final : public QDialog {
    Q_OBJECT
public:
    ConfigurationWindow(ConfigurationDialogModel& model, ColourPicker pickColour, FolderPicker pickFolder,
                        QWidget* parent = nullptr);

    // Shows the model's values in every control.
    void ShowModel();

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct BoardControls {
        QComboBox* chipSetType;
        QComboBox* address[4]; // base, input, cntl, config
        std::array<QLineEdit*, kRelaysPerBoard> names;
        std::array<QCheckBox*, 4> options;
    };

    QWidget* BuildBoardSection();
    QWidget* BuildColourSection();
    QWidget* BuildKillSection();
    void BuildMenus(QMenuBar* bar);
    void ShowBoards();
    void ShowColours();
    void ShowChanged();

    // A field whose entry the model checks when it is left.
    void Validated(QWidget* field, std::function<bool()> validate);
    bool Validate(QWidget* field);
    // Checks the field that has the focus before a command runs; false when it is refused.
    bool CommitFocused();
    void PickStatusColour(int index);
    void PickGroupColour(int group);
    void BrowseLogFolder();
    void SaveClicked();
    void CancelClicked();
    // The close question after the focused field is checked; true when the window may close.
    bool ConfirmClose();
    void Print(bool wholeScreen);

    ConfigurationDialogModel& model_;
    ColourPicker pickColour_;
    FolderPicker pickFolder_;
    std::array<BoardControls, kBoardSlots> boards_{};
    QCheckBox* warnOverlap_ = nullptr;
    QLineEdit* logPath_ = nullptr;
    std::array<QPushButton*, kStatusColourCount> statusButtons_{};
    std::array<QPushButton*, kGroupColourCount> groupButtons_{};
    std::array<QCheckBox*, 6> killChecks_{};
    QRadioButton* goesHigh_ = nullptr;
    QRadioButton* goesLow_ = nullptr;
    QLineEdit* killBoard_ = nullptr;
    QLineEdit* killInput_ = nullptr;
    QLineEdit* killName_ = nullptr;
    QLineEdit* killDelay_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QAction* menuSave_ = nullptr;
    QAction* menuCancel_ = nullptr;
    QHash<QWidget*, std::function<bool()>> validators_;
    QWidget* refused_ = nullptr;
    bool closing_ = false;
};

} // namespace tavrel
