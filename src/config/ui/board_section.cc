// The board section of the configuration window: one column of fields per board.

#include "boardio/chip_set_types.h"
#include "config/ui/configuration_window.h"
#include "resources/config_strings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace tavrel {

namespace {

QString Tip(int id) {
    return QString::fromUtf8(ConfigStringText(id).data(), static_cast<int>(ConfigStringText(id).size()));
}

QString Indexed(const char* name, int index) {
    return QString("%1_%2").arg(name).arg(index);
}

struct AddressField {
    const char* name;
    const char* label;
    const char* plain;
    int tip;
    AddressColumn column;
};

constexpr AddressField kAddressFields[4] = {
    {"cmbBaseAddress", "Base Address", "base address", config_tip::kBaseAddress, AddressColumn::Base},
    {"cmbInputAddress", "Input Address", "input address", config_tip::kInputAddress, AddressColumn::Input},
    {"cmbCntlAddress", "Control Address", "control address", config_tip::kCntlAddress, AddressColumn::Cntl},
    {"cmbPortConfigValue", "Config Value", "configuration value", config_tip::kPortConfigValue,
     AddressColumn::Config},
};

struct OptionBox {
    const char* name;
    const char* caption;
    const char* plain;
    int tip;
    BoardOption option;
};

constexpr OptionBox kOptionBoxes[4] = {
    {"chkLogBoard", "Log", "logging", config_tip::kLogBoard, BoardOption::LogBoard},
    {"chkResetOnExit", "Reset", "reset on exit", config_tip::kResetOnExit, BoardOption::ResetOnExit},
    {"chkEmulate", "Emulate", "emulate only", config_tip::kEmulate, BoardOption::RunNoBoard},
    {"chkReadWrite", "Write Only", "write only", config_tip::kReadWrite, BoardOption::WriteToBaseOnly},
};

QComboBox* EditableList(const QString& name, const QString& accessible, const QString& tip, QWidget* parent) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setAccessibleName(accessible);
    c->setToolTip(tip);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(8);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return c;
}

void SetList(QComboBox* combo, const std::vector<std::string>& entries, const std::string& text) {
    const QSignalBlocker blocker(combo);
    combo->clear();
    for (const std::string& e : entries)
        combo->addItem(QString::fromStdString(e));
    combo->setEditText(QString::fromStdString(text));
}

} // namespace

QWidget* ConfigurationWindow::BuildBoardSection() {
    auto* box = new QGroupBox("Interface Boards", this);
    box->setObjectName("fraBoards");
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    int row = 1;
    for (const char* label : {"Chip Set", "Base Address", "Input Address", "Control Address", "Config Value"})
        grid->addWidget(new QLabel(label, box), row++, 0);
    for (int r = 0; r < kRelaysPerBoard; ++r)
        grid->addWidget(new QLabel(QString("Relay %1 Name").arg(r + 1), box), row++, 0);
    grid->addWidget(new QLabel("Options", box), row, 0, Qt::AlignTop);

    BoardSettingsModel& model = model_.Boards();
    for (int b = 0; b < kBoardSlots; ++b) {
        BoardControls& c = boards_[static_cast<size_t>(b)];
        const QString board = QString("Board %1 ").arg(b + 1);
        const int col = b + 1;
        auto* title = new QLabel(QString("Board %1").arg(b + 1), box);
        title->setObjectName(Indexed("lblBoard", b));
        title->setToolTip(Tip(config_tip::kBoardLabel));
        title->setAlignment(Qt::AlignCenter);
        grid->addWidget(title, 0, col);

        c.chipSetType = EditableList(Indexed("cmbChipSetType", b), board + "chip set",
                                     Tip(config_tip::kChipSetType), box);
        for (std::string_view type : kChipSetTypes)
            c.chipSetType->addItem(QString::fromUtf8(type.data(), static_cast<int>(type.size())));
        grid->addWidget(c.chipSetType, 1, col);
        Validated(c.chipSetType, [&model, b, &c] {
            return model.LeaveChipSetType(b, c.chipSetType->currentText().toStdString());
        });

        for (int f = 0; f < 4; ++f) {
            const AddressField& field = kAddressFields[f];
            QComboBox* combo = EditableList(Indexed(field.name, b), board + field.plain, Tip(field.tip), box);
            c.address[f] = combo;
            grid->addWidget(combo, 2 + f, col);
            Validated(combo, [&model, b, f, combo] {
                const std::string text = combo->currentText().toStdString();
                switch (f) {
                case 0:
                    return model.LeaveBaseAddress(b, text);
                case 1:
                    return model.LeaveInputAddress(b, text);
                case 2:
                    return model.LeaveCntlAddress(b, text);
                default:
                    return model.LeavePortConfigValue(b, text);
                }
            });
        }

        for (int r = 0; r < kRelaysPerBoard; ++r) {
            auto* name = new QLineEdit(box);
            name->setObjectName(Indexed("txtRelayName", b * kRelaysPerBoard + r));
            name->setAccessibleName(board + QString("relay %1 name").arg(r + 1));
            name->setToolTip(Tip(config_tip::kRelayName));
            connect(name, &QLineEdit::textEdited, this, [this, &model, b, r](const QString& text) {
                model.SetRelayName(b, r, text.toStdString());
                ShowChanged();
            });
            c.names[static_cast<size_t>(r)] = name;
            grid->addWidget(name, 6 + r, col);
        }

        auto* options = new QGridLayout;
        options->setSpacing(0);
        for (int o = 0; o < 4; ++o) {
            const OptionBox& option = kOptionBoxes[o];
            auto* check = new QCheckBox(option.caption, box);
            check->setObjectName(Indexed(option.name, b));
            check->setAccessibleName(board + option.plain);
            check->setToolTip(Tip(option.tip));
            connect(check, &QCheckBox::toggled, this, [this, &model, b, option](bool on) {
                model.SetOption(b, option.option, on);
                ShowChanged();
            });
            c.options[static_cast<size_t>(o)] = check;
            options->addWidget(check, o, 0);
        }
        grid->addLayout(options, 6 + kRelaysPerBoard, col);
    }

    warnOverlap_ = new QCheckBox("Warn Overlapping Time", box);
    warnOverlap_->setObjectName("chkWarnOverlapTime");
    warnOverlap_->setAccessibleName("Warn overlapping time");
    warnOverlap_->setToolTip(Tip(config_tip::kWarnOverlapTime));
    connect(warnOverlap_, &QCheckBox::toggled, this, [this, &model](bool on) {
        model.SetWarnOverlapTime(on);
        ShowChanged();
    });
    logPath_ = new QLineEdit(box);
    logPath_->setObjectName("txtLogFilePath");
    logPath_->setAccessibleName("Log folder");
    logPath_->setToolTip(Tip(config_tip::kLogFilePath));
    Validated(logPath_, [this, &model] {
        model.LeaveLogFilePath(logPath_->text().toStdString());
        return true;
    });
    auto* browse = new QPushButton("Browse...", box);
    browse->setObjectName("cmdLogFilePathBrowse");
    browse->setAccessibleName("Browse for the log folder");
    browse->setToolTip(Tip(config_tip::kLogFilePath));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &ConfigurationWindow::BrowseLogFolder);

    auto* globals = new QHBoxLayout;
    globals->addWidget(warnOverlap_);
    globals->addSpacing(16);
    globals->addWidget(new QLabel("Log Folder", box));
    globals->addSpacing(4);
    globals->addWidget(logPath_, 1);
    globals->addWidget(browse);
    grid->addLayout(globals, 7 + kRelaysPerBoard, 0, 1, kBoardSlots + 1);
    return box;
}

void ConfigurationWindow::ShowBoards() {
    if (logPath_ == nullptr)
        return;
    BoardSettingsModel& model = model_.Boards();
    for (int b = 0; b < kBoardSlots; ++b) {
        BoardControls& c = boards_[static_cast<size_t>(b)];
        const BoardFieldTexts& t = model.Texts(b);
        {
            const QSignalBlocker blocker(c.chipSetType);
            c.chipSetType->setEditText(QString::fromStdString(t.chipSetType));
        }
        const std::string* texts[4] = {&t.baseAddress, &t.inputAddress, &t.cntlAddress, &t.portConfigValue};
        for (int f = 0; f < 4; ++f)
            SetList(c.address[f], model.AddressList(b, kAddressFields[f].column), *texts[f]);
        c.address[3]->setEnabled(t.portConfigEnabled);
        for (int r = 0; r < kRelaysPerBoard; ++r) {
            QLineEdit* name = c.names[static_cast<size_t>(r)];
            const QString text = QString::fromStdString(model.RelayName(b, r));
            if (name->text() != text)
                name->setText(text);
        }
        for (int o = 0; o < 4; ++o) {
            const QSignalBlocker blocker(c.options[static_cast<size_t>(o)]);
            c.options[static_cast<size_t>(o)]->setChecked(model.Option(b, kOptionBoxes[o].option) != 0);
        }
    }
    const QSignalBlocker blocker(warnOverlap_);
    warnOverlap_->setChecked(model.WarnOverlapTime());
    logPath_->setText(QString::fromStdString(model.LogFilePathText()));
}

void ConfigurationWindow::BrowseLogFolder() {
    if (!CommitFocused() || !pickFolder_)
        return;
    const QString chosen = pickFolder_(logPath_->text(), this);
    if (chosen.isEmpty())
        return;
    model_.Boards().LeaveLogFilePath(chosen.toStdString());
    ShowModel();
}

} // namespace tavrel
