#pragma once
// One relay's panel: its name, light, icon, stop image, override labels, counter, total time, six time
// pairs, days and code. It draws a PanelLook and reports the user's clicks and entries.

#include "engine/schedule_records.h"
#include "mainwindow/panel_look.h"
#include "mainwindow/sun_box_note.h"
#include "mainwindow/ui/panel_widgets.h"

#include <QFrame>

class QComboBox;
class QGridLayout;
class QHBoxLayout;

#include <array>
#include <functional>
#include <optional>

namespace tavrel {

class RelayPanel final : public QFrame {
    Q_OBJECT
public:
    RelayPanel(int relay, QWidget* parent);

    int relay() const { return relay_; }
    // The stored texts into the boxes.
    void LoadTexts(const RelayRecord& record, const TimePair* pairs);
    // Draws `look`, touching only what differs from the look drawn last.
    void Draw(const PanelLook& look);
    // Forgets the look drawn last, so that the next Draw sets every control.
    void ForgetLook() {
        drawn_.reset();
        notesShown_.reset();
    }
    // Marks the time boxes that follow the sun and tells, in tool tip and accessible description, what
    // each resolves to today (`SunNotesFor`).
    void ShowSunNotes(const RelaySunNotes& notes);

    // Asks for an image file; an empty text when cancelled. Tests replace the file dialog.
    using IconChooser = std::function<QString(QWidget* parent)>;
    void SetIconChooser(IconChooser chooser) { chooseIcon_ = std::move(chooser); }
    QString ChooseIcon() { return chooseIcon_(this); }

    const std::array<EntryBox*, 3 + 2 * kPairsPerRelay>& Boxes() const { return boxes_; }

signals:
    void manualClicked(int relay);
    void invertClicked(int relay);
    void stopClicked(int relay);
    void counterClicked(int relay, Qt::MouseButton button);
    void iconClicked(int relay);
    void holidayRuleChosen(int relay, tavrel::HolidayRule rule);

private:
    QHBoxLayout* BuildTopRow(const QString& n, const QString& who, int line);
    QGridLayout* BuildPairGrid(const QString& n, const QString& who);
    void AddControlRows(QGridLayout* grid, const QString& n, const QString& who, int line);
    void ConnectClicks();
    EntryBox* AddBox(EntryKind kind, int index, const QString& name, const QString& accessible, int tip);
    ClickLabel* AddLabel(const QString& name, const QString& accessible, int tip, const QString& text);
    void ShowIcon(const std::string& path);

    int relay_;
    EntryBox* name_;
    EntryBox* days_;
    EntryBox* code_;
    QComboBox* holiday_ = nullptr;
    std::array<EntryBox*, kPairsPerRelay> start_{};
    std::array<EntryBox*, kPairsPerRelay> end_{};
    std::array<EntryBox*, 3 + 2 * kPairsPerRelay> boxes_{};
    int boxCount_ = 0;
    int boxHeight_ = 0;
    RelayLight* light_;
    ClickLabel* icon_;
    ClickLabel* stop_;
    ClickLabel* manual_;
    ClickLabel* invert_;
    ClickLabel* counter_;
    ClickLabel* total_;
    std::optional<PanelLook> drawn_;
    std::optional<RelaySunNotes> notesShown_;
    IconChooser chooseIcon_;
};

} // namespace tavrel
