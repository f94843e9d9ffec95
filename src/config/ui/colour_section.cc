// The colour and kill sections of the configuration window.

#include "config/colour_defaults.h"
#include "config/ui/colour_swatch.h"
#include "config/ui/configuration_window.h"
#include "resources/config_strings.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tavrel {

namespace {

QString Tip(int id) {
    return QString::fromUtf8(ConfigStringText(id).data(), static_cast<int>(ConfigStringText(id).size()));
}

struct StatusButton {
    const char* caption;
    const char* plain;
};

// In the order of kStatusColours.
constexpr StatusButton kStatusButtons[kStatusColourCount] = {
    {"Relay Name", "Relay name background colour"},
    {"Relay ON", "Relay ON colour"},
    {"Relay OFF", "Relay OFF colour"},
    {"Time ON", "Time pair ON colour"},
    {"Time OFF", "Time pair OFF colour"},
    {"Manual ON", "Manual ON colour"},
    {"Manual OFF", "Manual OFF colour"},
    {"Input ON", "Input ON colour"},
    {"Input OFF", "Input OFF colour"},
    {"Total Time", "Total time background colour"},
};

struct KillBox {
    const char* name;
    const char* caption;
    const char* plain;
    int tip;
    KillCheck check;
};

constexpr KillBox kKillBoxes[6] = {
    {"chkKillByButton", "Button ", "Kill by button", config_tip::kKillByButton, KillCheck::ByButton},
    {"chkKillBySignal", "Signal", "Kill by signal", config_tip::kKillBySignal, KillCheck::BySignal},
    {"chkKillActionAllOFF", "All Off", "Kill action all relays off", config_tip::kKillAllOff,
     KillCheck::ActionAllOff},
    {"chkKillActionExitProgram", "Exit Program", "Kill action exit the program", config_tip::kKillExitProgram,
     KillCheck::ActionExitProgram},
    {"chkKillActionShutDown", "Shut Down", "Kill action shut the computer down", config_tip::kKillShutDown,
     KillCheck::ActionShutDown},
    {"chkKillMiscAlwaysOnTop", "On Top?", "Kill button always on top", config_tip::kKillAlwaysOnTop,
     KillCheck::ButtonOnTop},
};

QPushButton* SwatchButton(const QString& caption, const QString& name, const QString& accessible,
                          const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(accessible);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

} // namespace

ColourPicker SystemColourPicker() {
    return [](int32_t initial, const QString& title, QWidget* parent) -> std::optional<int32_t> {
        const QColor chosen = QColorDialog::getColor(ColourFromBgr(initial), parent, title);
        if (!chosen.isValid())
            return std::nullopt;
        return BgrFromColour(chosen);
    };
}

QWidget* ConfigurationWindow::BuildColourSection() {
    auto* box = new QGroupBox("Colors", this);
    box->setObjectName("fraColors");
    auto* grid = new QGridLayout(box);
    grid->setSpacing(4);
    grid->addWidget(new QLabel("Status", box), 0, 0, 1, 2);
    for (int i = 0; i < kStatusColourCount; ++i) {
        const StatusButton& s = kStatusButtons[i];
        QPushButton* b = SwatchButton(s.caption, QString("cmdSetColorIndicator_%1").arg(i), s.plain,
                                      Tip(config_tip::kStatusColour + i), box);
        connect(b, &QPushButton::clicked, this, [this, i] { PickStatusColour(i); });
        statusButtons_[static_cast<size_t>(i)] = b;
        grid->addWidget(b, 1 + i / 2, i % 2);
    }
    constexpr int kGroupRow = 2 + kStatusColourCount / 2;
    grid->addWidget(new QLabel("Relay Group Backgrounds", box), kGroupRow - 1, 0, 1, 2);
    for (int g = 0; g < kGroupColourCount; ++g) {
        QPushButton* b = SwatchButton(
            QString("Group %1").arg(g + 1), QString("cmdSetColorGroupBkgrnd_%1").arg(g),
            QString("Group %1 background colour").arg(g + 1), Tip(config_tip::kGroupColour + g), box);
        connect(b, &QPushButton::clicked, this, [this, g] { PickGroupColour(g); });
        groupButtons_[static_cast<size_t>(g)] = b;
        grid->addWidget(b, kGroupRow + g / 2, g % 2);
    }
    return box;
}

QWidget* ConfigurationWindow::BuildKillSection() {
    auto* box = new QGroupBox("Kill Options", this);
    box->setObjectName("fraKill");
    ColoursKillModel& model = model_.Colours();
    for (int k = 0; k < 6; ++k) {
        const KillBox& kb = kKillBoxes[k];
        auto* check = new QCheckBox(kb.caption, box);
        check->setObjectName(kb.name);
        check->setAccessibleName(kb.plain);
        check->setToolTip(Tip(kb.tip));
        connect(check, &QCheckBox::toggled, this, [this, &model, kb](bool on) {
            model.SetCheck(kb.check, on);
            ShowChanged();
        });
        killChecks_[static_cast<size_t>(k)] = check;
    }
    auto field = [&](const char* name, const char* plain, int tip) {
        auto* e = new QLineEdit(box);
        e->setObjectName(name);
        e->setAccessibleName(plain);
        e->setToolTip(Tip(tip));
        // Enter moves on to the next control.
        connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
        return e;
    };
    killBoard_ = field("txtKillBySignalBoardNum", "Kill by signal board number", config_tip::kKillBoardNum);
    killInput_ = field("txtKillBySignalInputNum", "Kill by signal input number", config_tip::kKillInputNum);
    killName_ = field("txtKillMiscButtonName", "Kill button caption", config_tip::kKillButtonName);
    killDelay_ = field("txtKillMiscEnableDelay", "Kill by signal enable delay multiplier",
                       config_tip::kKillEnableDelay);
    for (QLineEdit* e : {killBoard_, killInput_})
        e->setMaximumWidth(48);
    Validated(killBoard_,
              [this, &model] { return model.LeaveBoardNumber(killBoard_->text().toStdString()); });
    Validated(killInput_,
              [this, &model] { return model.LeaveInputNumber(killInput_->text().toStdString()); });
    Validated(killName_, [this, &model] {
        model.LeaveButtonName(killName_->text().toStdString());
        return true;
    });
    Validated(killDelay_, [this, &model] {
        model.LeaveEnableDelay(killDelay_->text().toStdString());
        return true;
    });

    goesHigh_ = new QRadioButton("Goes High", box);
    goesHigh_->setObjectName("btnKillBySignalGoesHigh");
    goesHigh_->setAccessibleName("Kill when the signal goes high");
    goesHigh_->setToolTip(Tip(config_tip::kKillGoesHigh));
    goesLow_ = new QRadioButton("Goes Low", box);
    goesLow_->setObjectName("btnKillBySignalGoesLow");
    goesLow_->setAccessibleName("Kill when the signal goes low");
    goesLow_->setToolTip(Tip(config_tip::kKillGoesLow));
    // The pair shows the two settings as they are, even both off as a fresh configuration holds them.
    for (QRadioButton* r : {goesHigh_, goesLow_}) {
        r->setAutoExclusive(false);
        connect(r, &QRadioButton::clicked, this, [this, &model, r] {
            model.SetGoesHigh(r == goesHigh_);
            ShowModel();
        });
    }

    auto* numbers = new QHBoxLayout;
    numbers->addWidget(killBoard_);
    numbers->addSpacing(12);
    numbers->addWidget(new QLabel("Input #", box));
    numbers->addWidget(killInput_);
    numbers->addStretch();

    auto* grid = new QGridLayout(box);
    grid->setSpacing(4);
    grid->addWidget(new QLabel("Kill By", box), 0, 0);
    grid->addWidget(killChecks_[0], 0, 1);
    grid->addWidget(killChecks_[1], 0, 2);
    grid->addWidget(new QLabel("Board #", box), 1, 0);
    grid->addLayout(numbers, 1, 1, 1, 2);
    grid->addWidget(new QLabel("Signal", box), 2, 0);
    grid->addWidget(goesHigh_, 2, 1);
    grid->addWidget(goesLow_, 2, 2);
    grid->addWidget(new QLabel("Action", box), 3, 0);
    grid->addWidget(killChecks_[2], 3, 1);
    grid->addWidget(killChecks_[3], 3, 2);
    grid->addWidget(killChecks_[4], 4, 1);
    grid->addWidget(new QLabel("Button Caption", box), 5, 0);
    grid->addWidget(killName_, 5, 1, 1, 2);
    grid->addWidget(killChecks_[5], 6, 1);
    grid->addWidget(new QLabel("Delay Multiplier", box), 7, 0);
    grid->addWidget(killDelay_, 7, 1, 1, 2);
    return box;
}

void ConfigurationWindow::ShowColours() {
    if (killDelay_ == nullptr)
        return;
    ColoursKillModel& model = model_.Colours();
    for (int i = 0; i < kStatusColourCount; ++i)
        ShowSwatch(statusButtons_[static_cast<size_t>(i)], model.StatusColour(i));
    for (int g = 0; g < kGroupColourCount; ++g)
        ShowSwatch(groupButtons_[static_cast<size_t>(g)], model.GroupColour(g));
    for (int k = 0; k < 6; ++k) {
        const QSignalBlocker blocker(killChecks_[static_cast<size_t>(k)]);
        killChecks_[static_cast<size_t>(k)]->setChecked(model.Check(kKillBoxes[k].check));
    }
    goesHigh_->setChecked(model.GoesHigh());
    goesLow_->setChecked(model.GoesLow());
    killBoard_->setText(QString::fromStdString(model.BoardNumberText()));
    killInput_->setText(QString::fromStdString(model.InputNumberText()));
    killName_->setText(QString::fromStdString(model.ButtonNameText()));
    killDelay_->setText(QString::fromStdString(model.EnableDelayText()));
}

void ConfigurationWindow::PickStatusColour(int index) {
    if (!CommitFocused())
        return;
    model_.Colours().PickStatusColour(
        index, pickColour_(model_.Colours().StatusColour(index), "Select Status Color", this));
    ShowModel();
}

void ConfigurationWindow::PickGroupColour(int group) {
    if (!CommitFocused())
        return;
    model_.Colours().PickGroupColour(
        group, pickColour_(model_.Colours().GroupColour(group), "Select Group Background Color", this));
    ShowModel();
}

} // namespace tavrel
