// The colour section of the configuration window: the status colours and the relay groups' backgrounds,
// their captions and tool tips from the settings table.

#include "config/settings_table.h"
#include "config/ui/colour_swatch.h"
#include "config/ui/config_sections.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace tavrel {

namespace {

QPushButton* SwatchButton(const QString& caption, const QString& name, const QString& accessible,
                          const QString& tip, QWidget* parent) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(accessible);
    b->setToolTip(tip);
    b->setAutoDefault(false);
    return b;
}

QString Text(const char* pattern, int index) {
    return QString::fromStdString(NumberedText(pattern, 0, index));
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

ColourSection::ColourSection(ColoursKillModel& model, SectionHost host, ColourPicker pickColour,
                             QWidget* parent)
    : QGroupBox("Colors", parent), model_(model), host_(std::move(host)), pickColour_(std::move(pickColour)) {
    setObjectName("fraColors");
    auto* grid = new QGridLayout(this);
    grid->setSpacing(4);
    grid->addWidget(new QLabel("Status", this), 0, 0, 1, 2);
    for (const SettingRow* s : RowsOfKind(SettingKind::StatusColour)) {
        const int i = s->index;
        QPushButton* b = SwatchButton(s->label, Indexed(s->control, i), s->plain, ConfigTip(s->tip), this);
        connect(b, &QPushButton::clicked, this, [this, i] { Pick(ColourSet::Status, i); });
        statusButtons_[static_cast<size_t>(i)] = b;
        grid->addWidget(b, 1 + i / 2, i % 2);
    }
    constexpr int kGroupRow = 2 + kStatusColourCount / 2;
    grid->addWidget(new QLabel("Relay Group Backgrounds", this), kGroupRow - 1, 0, 1, 2);
    const SettingRow& groups = *RowsOfKind(SettingKind::GroupColour).front();
    for (int g = 0; g < kGroupColourCount; ++g) {
        QPushButton* b = SwatchButton(Text(groups.label, g), Indexed(groups.control, g),
                                      Text(groups.plain, g), ConfigTip(groups.tip + g), this);
        connect(b, &QPushButton::clicked, this, [this, g] { Pick(ColourSet::Group, g); });
        groupButtons_[static_cast<size_t>(g)] = b;
        grid->addWidget(b, kGroupRow + g / 2, g % 2);
    }
}

QPushButton* ColourSection::Button(ColourSet set, int index) const {
    return set == ColourSet::Status ? statusButtons_[static_cast<size_t>(index)]
                                    : groupButtons_[static_cast<size_t>(index)];
}

QString ColourSection::ButtonName(ColourSet set, int index) const {
    return Button(set, index)->accessibleName();
}

void ColourSection::Show() {
    for (int i = 0; i < kStatusColourCount; ++i)
        ShowSwatch(Button(ColourSet::Status, i), model_.StatusColour(i));
    for (int g = 0; g < kGroupColourCount; ++g)
        ShowSwatch(Button(ColourSet::Group, g), model_.GroupColour(g));
}

void ColourSection::Pick(ColourSet set, int index) {
    if (!host_.checks.CommitFocused())
        return;
    if (set == ColourSet::Status)
        model_.PickStatusColour(index, pickColour_(model_.StatusColour(index), "Select Status Color", this));
    else
        model_.PickGroupColour(index,
                               pickColour_(model_.GroupColour(index), "Select Group Background Color", this));
    host_.showModel();
}

} // namespace tavrel
