#pragma once
#include <QWidget>

#include <array>
#include <memory>

namespace tavrel {
struct ProgramContext;
class ContextEntryEffects;
class EntryBox;
class RelayPanel;
class ScheduleEntry;
class TickHost;

// The eight relay panels of the main window, scrolling when the screen is too small.
class RelayPanelsView : public QWidget {
    Q_OBJECT
public:
    // `host` runs the schedule check after an accepted time: the same host as the timer's, so a kill
    // that check runs reaches the window's close path.
    RelayPanelsView(ProgramContext& ctx, TickHost& host, QWidget* parent = nullptr);
    ~RelayPanelsView() override;
    // Reloads every box from the schedule tables (after New, Open, a restart load).
    void LoadFromTables();
    // Draws what the last tick's DisplayState changed; a panel with no change is not repainted.
    void ApplyDisplayState();
signals:
    // The text of the focused box, for the status bar's last field.
    void focusedTextChanged(const QString& text);
    // An entry was accepted, a relay's manual, invert or stop setting changed, or the boxes were loaded
    // from the tables: what the schedule does may have changed.
    void scheduleEdited();

private:
    void Leave(EntryBox* box, Qt::FocusReason reason);
    void Edited(EntryBox* box, const QString& text);
    void ChooseIcon(int relay);

    ProgramContext& ctx_;
    std::unique_ptr<ContextEntryEffects> effects_;
    std::unique_ptr<ScheduleEntry> entry_;
    std::array<RelayPanel*, 8> panels_{};
    bool validating_ = false;
};
} // namespace tavrel
