// Stand-in for the relay panels until the panels widget is merged: one label.
#include "mainwindow/ui/relay_panels_view.h"

#include <QLabel>
#include <QVBoxLayout>

namespace tavrel {

RelayPanelsView::RelayPanelsView(ProgramContext& /*ctx*/, QWidget* parent) : QWidget(parent) {
    setObjectName("RelayPanelsView");
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel("Relay panels", this);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    setMinimumSize(640, 400);
}

RelayPanelsView::~RelayPanelsView() = default;

void RelayPanelsView::LoadFromTables() {}

void RelayPanelsView::ApplyDisplayState() {}

} // namespace tavrel
