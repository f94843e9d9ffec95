#pragma once
// The sections of the configuration window, each a view over its part of the model: the interface boards,
// the colours, the kill options, the location and the holiday calendar. The window puts them together and
// owns the commands.

#include "config/configuration_dialog_model.h"
#include "config/ui/field_checks.h"

#include <QGroupBox>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QGridLayout;

namespace tavrel {

struct SettingRow;

// Opens a colour dialog titled `title` on `initial` (0x00BBGGRR); nullopt when cancelled.
using ColourPicker =
    std::function<std::optional<int32_t>(int32_t initial, const QString& title, QWidget* parent)>;
// Asks for a folder starting at `start`; the log folder text to store, or empty when cancelled.
using FolderPicker = std::function<QString(const QString& start, QWidget* parent)>;
// Asks for one or more calendar files in the folder `start`; their paths, or none when cancelled.
using FilesPicker = std::function<QStringList(const QString& start, QWidget* parent)>;

ColourPicker SystemColourPicker();
FilesPicker SystemFilesPicker();

// What every section shares with its window: the field checks, and redrawing after a change (the
// whole window, or only the changed state of Save and Cancel).
struct SectionHost {
    FieldChecks& checks;
    std::function<void()> showModel;
    std::function<void()> showChanged;
};

class BoardSection final : public QGroupBox {
public:
    BoardSection(BoardSettingsModel& model, SectionHost host, FolderPicker pickFolder, QWidget* parent);
    void Show();

private:
    struct BoardControls {
        QComboBox* chipSetType = nullptr;
        std::array<QComboBox*, 4> address{}; // base, input, cntl, config
        std::array<QLineEdit*, kRelaysPerBoard> names{};
        std::array<QCheckBox*, 4> options{};
    };
    void BuildBoard(QGridLayout* grid, int board);
    void BuildOptions(QGridLayout* grid, int board);
    void BuildBoardWide(QGridLayout* grid);
    void BrowseLogFolder();

    BoardSettingsModel& model_;
    SectionHost host_;
    FolderPicker pickFolder_;
    std::array<BoardControls, kBoardSlots> boards_{};
    QCheckBox* warnOverlap_ = nullptr;
    QLineEdit* logPath_ = nullptr;
};

// Which colours a button sets.
enum class ColourSet { Status, Group };

class ColourSection final : public QGroupBox {
public:
    ColourSection(ColoursKillModel& model, SectionHost host, ColourPicker pickColour, QWidget* parent);
    void Show();
    void Pick(ColourSet set, int index);
    // The buttons' accessible names, for the window's Set Colors menu.
    QString ButtonName(ColourSet set, int index) const;

private:
    QPushButton* Button(ColourSet set, int index) const;

    ColoursKillModel& model_;
    SectionHost host_;
    ColourPicker pickColour_;
    std::array<QPushButton*, kStatusColourCount> statusButtons_{};
    std::array<QPushButton*, kGroupColourCount> groupButtons_{};
};

class KillSection final : public QGroupBox {
public:
    KillSection(ColoursKillModel& model, SectionHost host, QWidget* parent);
    void Show();

private:
    QLineEdit* Field(const SettingRow& row);
    void BuildChecks();
    void BuildFields();
    void BuildSignalButtons();
    void Arrange();
    void ShowWarning();

    ColoursKillModel& model_;
    SectionHost host_;
    std::array<QCheckBox*, 6> checks_{};
    QRadioButton* goesHigh_ = nullptr;
    QRadioButton* goesLow_ = nullptr;
    QLineEdit* board_ = nullptr;
    QLineEdit* input_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* delay_ = nullptr;
    QLabel* warning_ = nullptr; // a kill enabled with no action
};

class LocationSection final : public QGroupBox {
public:
    LocationSection(LocationModel& model, SectionHost host, QWidget* parent);
    void Show();

private:
    QLineEdit* Field(Coordinate which, const char* name, const QString& accessible, const QString& tip);
    void ShowToday();

    LocationModel& model_;
    SectionHost host_;
    QLineEdit* latitude_ = nullptr;
    QLineEdit* longitude_ = nullptr;
    QLabel* today_ = nullptr;
};

class CalendarSection final : public QGroupBox {
public:
    CalendarSection(HolidayFilesModel& model, SectionHost host, FilesPicker pickFiles, QWidget* parent);
    void Show();

private:
    void Browse();
    void ShowComing();

    HolidayFilesModel& model_;
    SectionHost host_;
    FilesPicker pickFiles_;
    QLineEdit* files_ = nullptr;
    QLabel* comingCaption_ = nullptr;
    QLabel* coming_ = nullptr;
    QLabel* notes_ = nullptr;
    QScrollArea* notesArea_ = nullptr;
};

} // namespace tavrel
