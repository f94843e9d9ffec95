#include "config/ui/configuration_window.h"

#include <QAction>
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

} // namespace

ConfigurationWindow::ConfigurationWindow(ConfigurationDialogModel& model, ColourPicker pickColour,
                                         FolderPicker pickFolder, QWidget* parent, FilesPicker pickFiles)
    : QDialog(parent), model_(model) {
    const ConfigWindowLayout& layout = model_.Layout();
    setObjectName(layout.name);
    setWindowTitle(QString::fromStdString(ConfigWindowCaption(layout.window)));
    setAccessibleName(windowTitle());
    checks_ = new FieldChecks([this] { ShowModel(); }, this);
    auto* outer = new QVBoxLayout(this);
    BuildSections({*checks_, [this] { ShowModel(); }, [this] { ShowChanged(); }}, std::move(pickColour),
                  std::move(pickFolder), std::move(pickFiles));

    save_ = CommandButton("Save", "cmdSave", "Save", this);
    cancel_ = CommandButton("Cancel Changes", "cmdCancel", "Cancel changes", this);
    // Cancelling never checks the field being left.
    cancel_->setFocusPolicy(Qt::NoFocus);
    auto* exit = CommandButton("Exit", "cmdExit", "Exit", this);
    connect(save_, &QPushButton::clicked, this, &ConfigurationWindow::SaveClicked);
    connect(cancel_, &QPushButton::clicked, this, &ConfigurationWindow::CancelClicked);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = buttons_ = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    buttons->addWidget(exit);

    auto* bar = new QMenuBar(this);
    BuildMenus(bar);
    outer->setMenuBar(bar);
    outer->addStretch();
    outer->addLayout(buttons);

    ShowModel();
    const QSize hint = sizeHint();
    resize(hint.width(), std::max(hint.height(), layout.heightTwips / kTwipsPerPixel));
}

void ConfigurationWindow::AddMqttButton(std::function<void(QWidget* owner)> open) {
    auto* mqtt = CommandButton("&MQTT...", "cmdMqtt", "MQTT settings", this);
    connect(mqtt, &QPushButton::clicked, this, [this, open = std::move(open)] { open(this); });
    buttons_->insertWidget(0, mqtt);
}

void ConfigurationWindow::BuildSections(SectionHost host, ColourPicker pickColour, FolderPicker pickFolder,
                                        FilesPicker pickFiles) {
    const ConfigWindowLayout& layout = model_.Layout();
    auto* sections = new QHBoxLayout;
    static_cast<QVBoxLayout*>(this->layout())->addLayout(sections);
    auto* left = new QVBoxLayout;
    sections->addLayout(left);
    if (layout.boardSection) {
        boards_ = new BoardSection(model_.Boards(), host, std::move(pickFolder), this);
        left->addWidget(boards_);
    }
    if (!layout.colourSection) {
        left->addStretch();
        return;
    }
    colours_ = new ColourSection(model_.Colours(), host, std::move(pickColour), this);
    kill_ = new KillSection(model_.Colours(), host, this);
    location_ = new LocationSection(model_.Location(), host, this);
    calendar_ = new CalendarSection(model_.Holidays(), host, std::move(pickFiles), this);
    auto* column = new QVBoxLayout;
    if (layout.boardSection) {
        column->addWidget(colours_);
        column->addWidget(kill_);
        column->addWidget(location_);
        left->addWidget(calendar_);
    } else { // on its own the section is for a small screen: two columns side by side keep it low
        left->addWidget(colours_);
        left->addWidget(location_);
        column->addWidget(kill_);
        column->addWidget(calendar_);
    }
    left->addStretch();
    column->addStretch();
    sections->addLayout(column);
}

void ConfigurationWindow::BuildMenus(QMenuBar* bar) {
    QMenu* file = bar->addMenu("&File");
    file->setObjectName("mnuFile");
    auto add = [this, file](const QString& text, const char* name, auto handler) {
        QAction* a = file->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, handler);
        return a;
    };
    menuSave_ = add("Save Configuration", "mnuFileSave", [this] { SaveClicked(); });
    menuCancel_ = add("Cancel (Does not Change Configuration)", "mnuFileCancel", [this] { CancelClicked(); });
    file->addSeparator();
    add("Print Form", "mnuFilePrintForm", [this] { Print(false); });
    add("Print Screen", "mnuFilePrintScreen", [this] { Print(true); });
    file->addSeparator();
    add("Exit", "mnuFileExit", [this] { close(); });
    BuildColourMenu(bar);
    BuildResetMenu(bar);
}

void ConfigurationWindow::BuildColourMenu(QMenuBar* bar) {
    const ConfigWindowLayout& layout = model_.Layout();
    QMenu* colours = bar->addMenu("Set &Colors");
    colours->setObjectName("mnuSetColors");
    colours->menuAction()->setVisible(layout.setColors && layout.colourSection);
    if (colours_ == nullptr)
        return;
    for (int i = 0; i < kStatusColourCount; ++i)
        colours->addAction(colours_->ButtonName(ColourSet::Status, i), this,
                           [this, i] { colours_->Pick(ColourSet::Status, i); });
    colours->addSeparator();
    for (int g = 0; g < kGroupColourCount; ++g)
        colours->addAction(colours_->ButtonName(ColourSet::Group, g), this,
                           [this, g] { colours_->Pick(ColourSet::Group, g); });
}

void ConfigurationWindow::BuildResetMenu(QMenuBar* bar) {
    const ConfigWindowLayout& layout = model_.Layout();
    QMenu* reset = bar->addMenu("&Reset");
    reset->setObjectName("mnuReset");
    auto resetEntry = [&](const QString& text, const char* name, bool shown, std::function<void()> action) {
        QAction* a = reset->addAction(text);
        a->setObjectName(name);
        connect(a, &QAction::triggered, this, [this, action] {
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
    if (boards_ != nullptr)
        boards_->Show();
    if (colours_ != nullptr)
        colours_->Show();
    if (kill_ != nullptr)
        kill_->Show();
    if (location_ != nullptr)
        location_->Show();
    if (calendar_ != nullptr)
        calendar_->Show();
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

void ConfigurationWindow::SaveClicked() {
    if (!checks_->CommitFocused())
        return;
    model_.Save();
    ShowModel();
}

void ConfigurationWindow::CancelClicked() {
    model_.CancelChanges();
    checks_->Stop();
    QDialog::reject();
}

bool ConfigurationWindow::ConfirmClose() {
    return checks_->CommitFocused() && model_.RequestClose() == CloseAnswer::Close;
}

void ConfigurationWindow::reject() {
    if (!checks_->Stopped() && !ConfirmClose()) {
        ShowModel();
        return;
    }
    checks_->Stop();
    QDialog::reject();
}

void ConfigurationWindow::closeEvent(QCloseEvent* event) {
    if (!checks_->Stopped() && !ConfirmClose()) {
        ShowModel();
        event->ignore();
        return;
    }
    checks_->Stop();
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
