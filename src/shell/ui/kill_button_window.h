#pragma once
// frmKillButton: the small window with the kill button (and the un-kill button after "all relays OFF").

#include "shell/kill_window.h"

#include <QWidget>

class QPushButton;

namespace tavrel {

struct ProgramContext;
class TickHost;

class frmKillButton final : public QWidget {
    Q_OBJECT
public:
    // `host` runs the kill action now when the timer is off; its close request is the main window's.
    frmKillButton(ProgramContext& ctx, TickHost& host, QWidget* parent = nullptr);

    // Shows the window modeless, in front, where it was last left.
    void Load();
    // After a close the user cancelled: the window is back, in front, with the button the kill state
    // calls for (Un-kill while an "all OFF" kill holds the relays stopped).
    void ShowAgain();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void KillPressed();
    void UnKillPressed();
    void Apply(const KillWindowLook& look);

    ProgramContext& ctx_;
    TickHost& host_;
    QPushButton* kill_;
    QPushButton* unKill_;
};

} // namespace tavrel
