#include "shell/ui/kill_button_window.h"

#include "engine/kill.h"
#include "formutil/ui/window_placement_ui.h"
#include "shell/program_context.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {
constexpr const char* kPlacementName = "frmKillButton";
}

frmKillButton::frmKillButton(ProgramContext& ctx, TickHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), host_(host) {
    setObjectName("frmKillButton");
    auto* layout = new QVBoxLayout(this);
    kill_ = new QPushButton("Kill / Stop", this);
    kill_->setObjectName("cmdKillButtonCommandOK");
    kill_->setAccessibleName("Kill all relays");
    unKill_ = new QPushButton(this);
    unKill_->setObjectName("cmdKillButtonUNStop");
    unKill_->setAccessibleName("Release all relays after a kill");
    for (QPushButton* button : {kill_, unKill_}) {
        button->setMinimumHeight(64);
        QFont font = button->font();
        font.setPointSizeF(font.pointSizeF() * 1.5);
        font.setBold(true);
        button->setFont(font);
        layout->addWidget(button);
    }
    connect(kill_, &QPushButton::clicked, this, &frmKillButton::KillPressed);
    connect(unKill_, &QPushButton::clicked, this, &frmKillButton::UnKillPressed);
    Apply(KillWindowLoad(ctx_.settings));
    resize(sizeHint().expandedTo(QSize(220, 100)));
}

void frmKillButton::Apply(const KillWindowLook& look) {
    setWindowTitle(QString::fromStdString(look.caption));
    kill_->setText(QString::fromStdString(look.killCaption));
    unKill_->setText(QString::fromStdString(look.unKillCaption));
    kill_->setVisible(!look.showsUnKill);
    kill_->setEnabled(!look.showsUnKill);
    unKill_->setVisible(look.showsUnKill);
    unKill_->setEnabled(look.showsUnKill);
    (look.showsUnKill ? unKill_ : kill_)->setFocus();
}

void frmKillButton::Load() {
    KillWindowLook look = KillWindowLoad(ctx_.settings);
    // Relays an "all OFF" kill stopped stay stopped until Un-kill: the window keeps offering it.
    look.showsUnKill = ctx_.engineState.KillWindowShowsUnKill;
    setWindowFlag(Qt::WindowStaysOnTopHint, look.onTop);
    Apply(look);
    RestoreWindowPlacement(*this, ctx_.regApi, kPlacementName);
    ctx_.engineState.KillWindowVisible = true;
    show();
    raise();
    activateWindow();
}

void frmKillButton::ShowAgain() {
    Load();
}

void frmKillButton::KillPressed() {
    // The kill may close the main window (and with it this one) before it returns.
    KillButtonPressed(ctx_.engine, host_);
    const KillWindowLook look = KillWindowAfterPress(ctx_.settings, ctx_.engineState);
    Apply(look);
    if (!look.visible)
        hide();
}

void frmKillButton::UnKillPressed() {
    UnKillButtonPressed(ctx_.engine);
    Apply(KillWindowAfterPress(ctx_.settings, ctx_.engineState));
}

void frmKillButton::closeEvent(QCloseEvent* event) {
    SaveWindowPlacement(*this, ctx_.regApi, kPlacementName);
    ctx_.engineState.KillWindowVisible = false;
    event->accept();
}

} // namespace tavrel
