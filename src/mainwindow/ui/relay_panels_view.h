#pragma once
#include <QWidget>
namespace tavrel {
struct ProgramContext;
// The eight relay panels of the main window, scrolling when the screen is too small.
class RelayPanelsView : public QWidget {
    Q_OBJECT
public:
    explicit RelayPanelsView(ProgramContext& ctx, QWidget* parent = nullptr);
    ~RelayPanelsView() override;
    // Reloads every box from the schedule tables (after New, Open, a restart load).
    void LoadFromTables();
    // Draws what the last tick's DisplayState changed; a panel with no change is not repainted.
    void ApplyDisplayState();
signals:
    // The text of the focused box, for the status bar's last field.
    void focusedTextChanged(const QString& text);
};
} // namespace tavrel
