#include "mainwindow/ui/holidays_window.h"

#include "formutil/ui/window_placement_ui.h"
#include "mainwindow/holiday_list.h"
#include "mainwindow/ui/panel_widgets.h"
#include "shell/holiday_service.h"
#include "shell/program_context.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tavrel {

namespace {

constexpr const char* kWindowName = "frmHolidays";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QPushButton* Button(const QString& caption, const char* name, const QString& accessible, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(accessible);
    return button;
}

} // namespace

HolidaysWindow::HolidaysWindow(ProgramContext& ctx, const HolidayService* holidays, QWidget* parent)
    : QWidget(parent, Qt::Window), ctx_(ctx), holidays_(holidays) {
    setObjectName(kWindowName);
    setWindowTitle("Holidays");
    setAccessibleName("Holidays");
    auto* layout = new QVBoxLayout(this);

    heading_ = new QLabel(this);
    heading_->setObjectName("lblHolidays");
    heading_->setAccessibleName("What the list holds");
    heading_->setWordWrap(true);
    layout->addWidget(heading_);

    problems_ = new QLabel(this);
    problems_->setObjectName("lblHolidayProblems");
    problems_->setAccessibleName("Calendar files not read");
    problems_->setWordWrap(true);
    problems_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(problems_);
    ShowAsError(problems_, true);

    list_ = new QTreeWidget(this);
    list_->setObjectName("lstHolidays");
    list_->setAccessibleName("Coming holidays");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({"Date", "Name", "File"});
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setStretchLastSection(true);
    layout->addWidget(list_, 1);
    layout->addStretch(0); // the room below the texts while there is no list

    auto* buttons = new QHBoxLayout;
    QPushButton* configuration = Button("&Configuration...", "cmdConfiguration",
                                        "Open the configuration to set the calendar files", this);
    QPushButton* close = Button("&Close", "cmdClose", "Close", this);
    buttons->addWidget(configuration);
    buttons->addStretch(1);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(configuration, &QPushButton::clicked, this, &HolidaysWindow::configurationWanted);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    follow_ = new QTimer(this);
    follow_->setObjectName("tmrFollow");
    follow_->setInterval(1000);
    connect(follow_, &QTimer::timeout, this, &HolidaysWindow::FollowChanges);

    resize(620, 420);
    KeepWindowPlacement(*this, ctx_.regApi, kWindowName);
}

void HolidaysWindow::Refresh() {
    const CalendarDate today = ctx_.clock.Today();
    readings_ = holidays_ != nullptr ? holidays_->Readings() : 0;
    day_ = DayNumber(today);
    const HolidayList list = ComingHolidays(CalendarStateOf(holidays_), today);
    heading_->setText(Q(list.heading));
    heading_->setAccessibleDescription(heading_->text());
    problems_->setText(Q(list.problems));
    problems_->setAccessibleDescription(problems_->text());
    problems_->setVisible(!list.problems.empty());
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const HolidayRow& row : list.rows)
        items.append(new QTreeWidgetItem(QStringList{Q(row.date), Q(row.name), Q(row.file)}));
    list_->addTopLevelItems(items);
    list_->setVisible(!list.rows.empty());
}

void HolidaysWindow::FollowChanges() {
    const int readings = holidays_ != nullptr ? holidays_->Readings() : 0;
    if (readings != readings_ || DayNumber(ctx_.clock.Today()) != day_)
        Refresh();
}

void HolidaysWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh();
    follow_->start();
}

void HolidaysWindow::hideEvent(QHideEvent* event) {
    follow_->stop();
    QWidget::hideEvent(event);
}

} // namespace tavrel
