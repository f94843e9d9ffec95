// The board section of the configuration window: one column of fields per board, its captions, names
// and tool tips from the settings table.

#include "boardio/chip_set_types.h"
#include "common/ui/stored_text.h"
#include "config/settings_table.h"
#include "config/ui/config_sections.h"
#include "resources/config_strings.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace tavrel {

namespace {

QString Text(const char* pattern, int index = 0) {
    return QString::fromStdString(NumberedText(pattern, 0, index));
}

const SettingRow& OnlyRow(SettingKind kind) {
    return *RowsOfKind(kind).front();
}

// The first row of the board fields: relay names and options follow the five fields above them.
constexpr int kNameRow = 6;

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
        combo->addItem(FromStored(e));
    combo->setEditText(FromStored(text));
}

} // namespace

BoardSection::BoardSection(BoardSettingsModel& model, SectionHost host, FolderPicker pickFolder,
                           QWidget* parent)
    : QGroupBox("Interface Boards", parent), model_(model), host_(std::move(host)),
      pickFolder_(std::move(pickFolder)) {
    setObjectName("fraBoards");
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    int row = 1;
    grid->addWidget(new QLabel(OnlyRow(SettingKind::ChipSetType).label, this), row++, 0);
    for (const SettingRow* address : RowsOfKind(SettingKind::Address))
        grid->addWidget(new QLabel(address->label, this), row++, 0);
    for (int r = 0; r < kRelaysPerBoard; ++r)
        grid->addWidget(new QLabel(Text(OnlyRow(SettingKind::RelayName).label, r), this), row++, 0);
    grid->addWidget(new QLabel("Options", this), row, 0, Qt::AlignTop);
    for (int b = 0; b < kBoardSlots; ++b)
        BuildBoard(grid, b);
    BuildBoardWide(grid);
}

void BoardSection::BuildBoard(QGridLayout* grid, int b) {
    BoardControls& c = boards_[static_cast<size_t>(b)];
    const QString board = QString("Board %1 ").arg(b + 1);
    const int col = b + 1;
    auto* title = new QLabel(QString("Board %1").arg(b + 1), this);
    title->setObjectName(Indexed("lblBoard", b));
    title->setToolTip(ConfigTip(config_tip::kBoardLabel));
    title->setAlignment(Qt::AlignCenter);
    grid->addWidget(title, 0, col);

    const SettingRow& type = OnlyRow(SettingKind::ChipSetType);
    c.chipSetType = EditableList(Indexed(type.control, b), board + type.plain, ConfigTip(type.tip), this);
    for (std::string_view t : kChipSetTypes)
        c.chipSetType->addItem(QString::fromUtf8(t.data(), static_cast<int>(t.size())));
    grid->addWidget(c.chipSetType, 1, col);
    host_.checks.Add(c.chipSetType, [this, b, &c] {
        return model_.LeaveChipSetType(b, ToStored(c.chipSetType->currentText()));
    });

    for (const SettingRow* field : RowsOfKind(SettingKind::Address)) {
        QComboBox* combo =
            EditableList(Indexed(field->control, b), board + field->plain, ConfigTip(field->tip), this);
        c.address[static_cast<size_t>(field->index)] = combo;
        grid->addWidget(combo, 2 + field->index, col);
        const auto column = static_cast<AddressColumn>(field->index);
        host_.checks.Add(combo, [this, b, column, combo] {
            return model_.LeaveAddress(b, column, ToStored(combo->currentText()).text);
        });
    }

    const SettingRow& names = OnlyRow(SettingKind::RelayName);
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        auto* name = new QLineEdit(this);
        name->setObjectName(Indexed(names.control, b * kRelaysPerBoard + r));
        name->setAccessibleName(board + Text(names.plain, r));
        name->setToolTip(ConfigTip(names.tip));
        connect(name, &QLineEdit::textEdited, this, [this, b, r](const QString& text) {
            if (model_.SetRelayName(b, r, ToStored(text)))
                host_.showChanged();
            else
                host_.showModel();
        });
        c.names[static_cast<size_t>(r)] = name;
        grid->addWidget(name, kNameRow + r, col);
    }
    BuildOptions(grid, b);
}

void BoardSection::BuildOptions(QGridLayout* grid, int b) {
    auto* options = new QGridLayout;
    options->setSpacing(0);
    for (const SettingRow* option : RowsOfKind(SettingKind::BoardOption)) {
        auto* check = new QCheckBox(option->label, this);
        check->setObjectName(Indexed(option->control, b));
        check->setAccessibleName(QString("Board %1 ").arg(b + 1) + option->plain);
        check->setToolTip(ConfigTip(option->tip));
        const auto which = static_cast<BoardOption>(option->index);
        connect(check, &QCheckBox::toggled, this, [this, b, which](bool on) {
            model_.SetOption(b, which, on);
            host_.showChanged();
        });
        boards_[static_cast<size_t>(b)].options[static_cast<size_t>(option->index)] = check;
        options->addWidget(check, option->index, 0);
    }
    grid->addLayout(options, kNameRow + kRelaysPerBoard, b + 1);
}

void BoardSection::BuildBoardWide(QGridLayout* grid) {
    const SettingRow& warn = OnlyRow(SettingKind::WarnOverlapTime);
    warnOverlap_ = new QCheckBox(warn.label, this);
    warnOverlap_->setObjectName(warn.control);
    warnOverlap_->setAccessibleName(warn.plain);
    warnOverlap_->setToolTip(ConfigTip(warn.tip));
    connect(warnOverlap_, &QCheckBox::toggled, this, [this](bool on) {
        model_.SetWarnOverlapTime(on);
        host_.showChanged();
    });
    const SettingRow& folder = OnlyRow(SettingKind::LogFolder);
    logPath_ = new QLineEdit(this);
    logPath_->setObjectName(folder.control);
    logPath_->setAccessibleName(folder.plain);
    logPath_->setToolTip(ConfigTip(folder.tip));
    host_.checks.Add(logPath_, [this] {
        model_.LeaveLogFilePath(logPath_->text().toStdString());
        return true;
    });
    auto* browse = new QPushButton("Browse...", this);
    browse->setObjectName("cmdLogFilePathBrowse");
    browse->setAccessibleName("Browse for the log folder");
    browse->setToolTip(ConfigTip(folder.tip));
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &BoardSection::BrowseLogFolder);

    auto* globals = new QHBoxLayout;
    globals->addWidget(warnOverlap_);
    globals->addSpacing(16);
    globals->addWidget(new QLabel(folder.label, this));
    globals->addSpacing(4);
    globals->addWidget(logPath_, 1);
    globals->addWidget(browse);
    grid->addLayout(globals, kNameRow + kRelaysPerBoard + 1, 0, 1, kBoardSlots + 1);
}

void BoardSection::Show() {
    for (int b = 0; b < kBoardSlots; ++b) {
        BoardControls& c = boards_[static_cast<size_t>(b)];
        const BoardFieldTexts& t = model_.Texts(b);
        {
            const QSignalBlocker blocker(c.chipSetType);
            c.chipSetType->setEditText(FromStored(t.chipSetType));
        }
        const std::string* texts[4] = {&t.baseAddress, &t.inputAddress, &t.cntlAddress, &t.portConfigValue};
        for (size_t f = 0; f < 4; ++f)
            SetList(c.address[f], model_.AddressList(b, static_cast<AddressColumn>(f)), *texts[f]);
        c.address[3]->setEnabled(t.portConfigEnabled);
        for (int r = 0; r < kRelaysPerBoard; ++r) {
            QLineEdit* name = c.names[static_cast<size_t>(r)];
            const QString text = FromStored(model_.RelayName(b, r));
            if (name->text() != text)
                name->setText(text);
        }
        for (size_t o = 0; o < c.options.size(); ++o) {
            const QSignalBlocker blocker(c.options[o]);
            c.options[o]->setChecked(model_.Option(b, static_cast<BoardOption>(o)) != 0);
        }
    }
    const QSignalBlocker blocker(warnOverlap_);
    warnOverlap_->setChecked(model_.WarnOverlapTime());
    logPath_->setText(QString::fromStdString(model_.LogFilePathText()));
}

void BoardSection::BrowseLogFolder() {
    if (!host_.checks.CommitFocused() || !pickFolder_)
        return;
    const QString chosen = pickFolder_(logPath_->text(), this);
    if (chosen.isEmpty())
        return;
    model_.LeaveLogFilePath(chosen.toStdString());
    host_.showModel();
}

} // namespace tavrel
