// The kill section of the configuration window, its captions and tool tips from the settings table.

#include "common/ui/stored_text.h"
#include "config/settings_table.h"
#include "config/ui/config_sections.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tavrel {

namespace {

const SettingRow& OnlyRow(SettingKind kind) {
    return *RowsOfKind(kind).front();
}

} // namespace

KillSection::KillSection(ColoursKillModel& model, SectionHost host, QWidget* parent)
    : QGroupBox("Kill Options", parent), model_(model), host_(std::move(host)) {
    setObjectName("fraKill");
    BuildChecks();
    BuildFields();
    BuildSignalButtons();
    Arrange();
}

void KillSection::BuildChecks() {
    for (const SettingRow* row : RowsOfKind(SettingKind::KillCheck)) {
        auto* check = new QCheckBox(row->label, this);
        check->setObjectName(row->control);
        check->setAccessibleName(row->plain);
        check->setToolTip(ConfigTip(row->tip));
        const auto which = static_cast<KillCheck>(row->index);
        connect(check, &QCheckBox::toggled, this, [this, which](bool on) {
            model_.SetCheck(which, on);
            ShowWarning();
            host_.showChanged();
        });
        checks_[static_cast<size_t>(row->index)] = check;
    }
}

QLineEdit* KillSection::Field(const SettingRow& row) {
    auto* e = new QLineEdit(this);
    e->setObjectName(row.control);
    e->setAccessibleName(row.plain);
    e->setToolTip(ConfigTip(row.tip));
    // Enter moves on to the next control.
    connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    return e;
}

void KillSection::ShowWarning() {
    const std::string text = model_.KillWarning();
    warning_->setText(QString::fromStdString(text));
    warning_->setVisible(!text.empty());
}

void KillSection::BuildFields() {
    board_ = Field(OnlyRow(SettingKind::KillBoardNumber));
    input_ = Field(OnlyRow(SettingKind::KillInputNumber));
    name_ = Field(OnlyRow(SettingKind::KillButtonName));
    delay_ = Field(OnlyRow(SettingKind::KillEnableDelay));
    for (QLineEdit* e : {board_, input_})
        e->setMaximumWidth(48);
    host_.checks.Add(board_, [this] { return model_.LeaveBoardNumber(ToStored(board_->text()).text); });
    host_.checks.Add(input_, [this] { return model_.LeaveInputNumber(ToStored(input_->text()).text); });
    host_.checks.Add(name_, [this] { return model_.LeaveButtonName(ToStored(name_->text())); });
    host_.checks.Add(delay_, [this] {
        model_.LeaveEnableDelay(ToStored(delay_->text()).text);
        return true;
    });
}

void KillSection::BuildSignalButtons() {
    auto button = [this](SettingKind kind) {
        const SettingRow& row = OnlyRow(kind);
        auto* r = new QRadioButton(row.label, this);
        r->setObjectName(row.control);
        r->setAccessibleName(row.plain);
        r->setToolTip(ConfigTip(row.tip));
        // The pair shows the two settings as they are, even both off as a fresh configuration holds them.
        r->setAutoExclusive(false);
        const bool high = kind == SettingKind::KillGoesHigh;
        connect(r, &QRadioButton::clicked, this, [this, high] {
            model_.SetGoesHigh(high);
            host_.showModel();
        });
        return r;
    };
    goesHigh_ = button(SettingKind::KillGoesHigh);
    goesLow_ = button(SettingKind::KillGoesLow);
}

void KillSection::Arrange() {
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(board_);
    numbers->addSpacing(12);
    numbers->addWidget(new QLabel(OnlyRow(SettingKind::KillInputNumber).label, this));
    numbers->addWidget(input_);
    numbers->addStretch();

    auto* grid = new QGridLayout(this);
    grid->setSpacing(4);
    grid->addWidget(new QLabel("Kill By", this), 0, 0);
    grid->addWidget(checks_[0], 0, 1);
    grid->addWidget(checks_[1], 0, 2);
    grid->addWidget(new QLabel(OnlyRow(SettingKind::KillBoardNumber).label, this), 1, 0);
    grid->addLayout(numbers, 1, 1, 1, 2);
    grid->addWidget(new QLabel("Signal", this), 2, 0);
    grid->addWidget(goesHigh_, 2, 1);
    grid->addWidget(goesLow_, 2, 2);
    grid->addWidget(new QLabel("Action", this), 3, 0);
    grid->addWidget(checks_[2], 3, 1);
    grid->addWidget(checks_[3], 3, 2);
    grid->addWidget(checks_[4], 4, 1);
    grid->addWidget(new QLabel(OnlyRow(SettingKind::KillButtonName).label, this), 5, 0);
    grid->addWidget(name_, 5, 1, 1, 2);
    grid->addWidget(checks_[5], 6, 1);
    grid->addWidget(new QLabel(OnlyRow(SettingKind::KillEnableDelay).label, this), 7, 0);
    grid->addWidget(delay_, 7, 1, 1, 2);
    warning_ = new QLabel(this);
    warning_->setObjectName("lblKillWarning");
    warning_->setWordWrap(true);
    warning_->setStyleSheet("color: #b00000");
    grid->addWidget(warning_, 8, 0, 1, 3);
    ShowWarning();
}

void KillSection::Show() {
    for (const SettingRow* row : RowsOfKind(SettingKind::KillCheck)) {
        QCheckBox* check = checks_[static_cast<size_t>(row->index)];
        const QSignalBlocker blocker(check);
        check->setChecked(model_.Check(static_cast<KillCheck>(row->index)));
    }
    goesHigh_->setChecked(model_.GoesHigh());
    goesLow_->setChecked(model_.GoesLow());
    board_->setText(FromStored(model_.BoardNumberText()));
    input_->setText(FromStored(model_.InputNumberText()));
    name_->setText(FromStored(model_.ButtonNameText()));
    delay_->setText(FromStored(model_.EnableDelayText()));
    ShowWarning();
}

} // namespace tavrel
