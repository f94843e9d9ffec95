// The Location section of the configuration window: latitude, longitude and today's sun times at the
// place typed, redrawn at each key.

#include "common/ui/stored_text.h"
#include "config/ui/config_sections.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace tavrel {

LocationSection::LocationSection(LocationModel& model, SectionHost host, QWidget* parent)
    : QGroupBox("Location", parent), model_(model), host_(std::move(host)) {
    setObjectName("fraLocation");
    auto* form = new QFormLayout(this);
    latitude_ = Field(Coordinate::Latitude, "txtLatitude", "Latitude",
                      "Decimal degrees with a point, north positive (e.g. 52.52); empty: no location");
    longitude_ = Field(Coordinate::Longitude, "txtLongitude", "Longitude",
                       "Decimal degrees with a point, east positive (e.g. 13.40); empty: no location");
    form->addRow("Latitude", latitude_);
    form->addRow("Longitude", longitude_);
    today_ = new QLabel(this);
    today_->setObjectName("lblSunToday");
    today_->setAccessibleName("Sunrise and sunset today");
    today_->setWordWrap(true);
    form->addRow(today_);
}

QLineEdit* LocationSection::Field(Coordinate which, const char* name, const QString& accessible,
                                  const QString& tip) {
    auto* e = new QLineEdit(this);
    e->setObjectName(name);
    e->setAccessibleName(accessible);
    e->setToolTip(tip);
    connect(e, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    connect(e, &QLineEdit::textEdited, this, [this, which](const QString& text) {
        model_.Type(which, ToStored(text).text);
        ShowToday();
    });
    host_.checks.Add(e, [this, e, which] { return model_.Leave(which, ToStored(e->text()).text); });
    return e;
}

void LocationSection::ShowToday() {
    today_->setText(QString::fromStdString(model_.Today()));
    today_->setAccessibleDescription(today_->text());
}

void LocationSection::Show() {
    latitude_->setText(FromStored(model_.Text(Coordinate::Latitude)));
    longitude_->setText(FromStored(model_.Text(Coordinate::Longitude)));
    ShowToday();
}

} // namespace tavrel
