#include "config/ui/configuration_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace tavrel {

namespace {

constexpr int kTwipsPerPixel = 15;

QPushButton* CommandButton(const QString& text, const char* name, const QString& accessible,
                           QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(accessible);
    b->setAutoDefault(false);
    return b;
}

// Entries checked on leaving are left by the user's own move, not by a box or popup taking the focus.
bool LeftByTheUser(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
           reason == Qt::OtherFocusReason;
}

} // namespace

ConfigurationWindow::ConfigurationWindow(ConfigurationDialogModel& model, ColourPicker pickColour,
                                         FolderPicker pickFolder, QWidget* parent)
    : QDialog(parent), model_(model), pickColour_(std::move(pickColour)), pickFolder_(std::move(pickFolder)) {
    const ConfigWindowLayout& layout = model_.Layout();
    setObjectName(layout.name);
    setWindowTitle(QString::fromStdString(ConfigWindowCaption(layout.window)));
    setAccessibleName(windowTitle());

    auto* sections = new QHBoxLayout;
    if (layout.boardSection)
        sections->addWidget(BuildBoardSection(), 0, Qt::AlignTop);
    if (layout.colourSection && layout.boardSection) {
        auto* column = new QVBoxLayout;
        column->addWidget(BuildColourSection());
        column->addWidget(BuildKillSection());
        column->addStretch();
        sections->addLayout(column);
    } else if (layout.colourSection) {
        // On its own the section is for a small screen: side by side keeps it low.
        sections->addWidget(BuildColourSection(), 0, Qt::AlignTop);
        sections->addWidget(BuildKillSection(), 0, Qt::AlignTop);
    }

    save_ = CommandButton("Save", "cmdSave", "Save", this);
    cancel_ = CommandButton("Cancel Changes", "cmdCancel", "Cancel changes", this);
    // Cancelling never checks the field being left.
    cancel_->setFocusPolicy(Qt::NoFocus);
    auto* exit = CommandButton("Exit", "cmdExit", "Exit", this);
    connect(save_, &QPushButton::clicked, this, &ConfigurationWindow::SaveClicked);
    connect(cancel_, &QPushButton::clicked, this, &ConfigurationWindow::CancelClicked);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    buttons->addWidget(exit);

    auto* bar = new QMenuBar(this);
    BuildMenus(bar);
    auto* outer = new QVBoxLayout(this);
    outer->setMenuBar(bar);
    outer->addLayout(sections);
    outer->addStretch();
    outer->addLayout(buttons);

    ShowModel();
    const QSize hint = sizeHint();
    resize(hint.width(), std::max(hint.height(), layout.heightTwips / kTwipsPerPixel));
}

void ConfigurationWindow::BuildMenus(QMenuBar* bar) {
    const ConfigWindowLayout& layout = model_.Layout();
    auto add = [this](QMenu* menu, const QString& text, const char* name, auto handler) {
        QAction* a = menu->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    menuSave_ = add(file, "Save Configuration", "mnuFileSave", [this] { SaveClicked(); });
    menuCancel_ =
        add(file, "Cancel (Does not Change Configuration)", "mnuFileCancel", [this] { CancelClicked(); });
    file->addSeparator();
    add(file, "Print Form", "mnuFilePrintForm", [this] { Print(false); });
    add(file, "Print Screen", "mnuFilePrintScreen", [this] { Print(true); });
    file->addSeparator();
    add(file, "Exit", "mnuFileExit", [this] { close(); });

    QMenu* colours = bar->addMenu("Set &Colors");
    colours->setObjectName("mnuSetColors");
    colours->menuAction()->setVisible(layout.setColors && layout.colourSection);
    if (layout.colourSection) {
        for (int i = 0; i < kStatusColourCount; ++i)
            colours->addAction(statusButtons_[static_cast<size_t>(i)]->accessibleName(), this,
                               [this, i] { PickStatusColour(i); });
        colours->addSeparator();
        for (int g = 0; g < kGroupColourCount; ++g)
            colours->addAction(groupButtons_[static_cast<size_t>(g)]->accessibleName(), this,
                               [this, g] { PickGroupColour(g); });
    }

    QMenu* reset = bar->addMenu("&Reset");
    reset->setObjectName("mnuReset");
    auto resetEntry = [&](const QString& text, const char* name, bool shown, std::function<void()> action) {
        QAction* a = add(reset, text, name, [this, action] {
            action();
            ShowModel();
        });
        a->setVisible(shown);
    };
    BoardSettingsModel& b = model_.Boards();
    resetEntry("Reset ALL DEFAULTS", "mnuResetAll", true, [this] { model_.ResetAllDefaults(); });
    resetEntry("Reset Address Defaults", "mnuResetAddress", layout.resetAddressDefaults,
               [&b] { b.ResetAddressDefaults(); });
    resetEntry("Reset All FireCracker", "mnuResetFireCracker", true, [&b] { b.ResetAllFireCracker(); });
    resetEntry("Reset Mixed Relay Cards and FireCracker", "mnuResetMixed", true, [&b] { b.ResetMixed(); });
    resetEntry("Reset Colors", "mnuResetColors", layout.resetColors, [this] { model_.ResetColours(); });
    resetEntry("Reset Names Defaults", "mnuResetNames", layout.resetNamesDefaults, [&b] { b.ResetNames(); });
    resetEntry("Reset Board Logging", "mnuResetLogging", layout.resetBoardLogging,
               [&b] { b.ResetBoardLogging(); });
    resetEntry("Reset Reset on Exit Option", "mnuResetOnExit", layout.resetResetOnExit,
               [&b] { b.ResetResetOnExit(); });
}

void ConfigurationWindow::ShowModel() {
    ShowBoards();
    ShowColours();
    ShowChanged();
}

void ConfigurationWindow::ShowChanged() {
    const bool changed = model_.Changed();
    for (QPushButton* b : {save_, cancel_})
        if (b != nullptr)
            b->setEnabled(changed);
    for (QAction* a : {menuSave_, menuCancel_})
        if (a != nullptr)
            a->setEnabled(changed);
}

void ConfigurationWindow::Validated(QWidget* field, std::function<bool()> validate) {
    validators_.insert(field, std::move(validate));
    field->installEventFilter(this);
}

bool ConfigurationWindow::Validate(QWidget* field) {
    const auto it = validators_.find(field);
    if (it == validators_.end())
        return true;
    const bool accepted = (*it)();
    ShowModel();
    if (accepted) {
        if (refused_ == field)
            refused_ = nullptr;
        return true;
    }
    refused_ = field;
    QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
    return false;
}

bool ConfigurationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !closing_) {
        auto* field = static_cast<QWidget*>(watched);
        if (LeftByTheUser(static_cast<QFocusEvent*>(event)->reason()) && validators_.contains(field))
            Validate(field);
    }
    return QDialog::eventFilter(watched, event);
}

bool ConfigurationWindow::CommitFocused() {
    if (refused_ != nullptr) {
        refused_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    QWidget* focused = QApplication::focusWidget();
    // An editable list's text field belongs to its list.
    if (focused != nullptr && !validators_.contains(focused) && focused->parentWidget() != nullptr &&
        validators_.contains(focused->parentWidget()))
        focused = focused->parentWidget();
    return focused == nullptr || Validate(focused);
}

void ConfigurationWindow::SaveClicked() {
    if (!CommitFocused())
        return;
    model_.Save();
    ShowModel();
}

void ConfigurationWindow::CancelClicked() {
    model_.CancelChanges();
    closing_ = true;
    QDialog::reject();
}

bool ConfigurationWindow::ConfirmClose() {
    return CommitFocused() && model_.RequestClose() == CloseAnswer::Close;
}

void ConfigurationWindow::reject() {
    if (!closing_ && !ConfirmClose()) {
        ShowModel();
        return;
    }
    closing_ = true;
    QDialog::reject();
}

void ConfigurationWindow::closeEvent(QCloseEvent* event) {
    if (!closing_ && !ConfirmClose()) {
        ShowModel();
        event->ignore();
        return;
    }
    closing_ = true;
    QDialog::closeEvent(event);
}

void ConfigurationWindow::Print(bool wholeScreen) {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QPixmap picture = wholeScreen ? screen()->grabWindow(0) : grab();
    QPainter painter(&printer);
    const QRect page = painter.viewport();
    const QSize size = picture.size().scaled(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(picture.rect());
    painter.drawPixmap(0, 0, picture);
}

} // namespace tavrel
