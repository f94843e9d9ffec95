#include "mainwindow/ui/day_view_window.h"

#include "engine/day_preview.h"
#include "formutil/ui/window_placement_ui.h"
#include "mainwindow/ui/day_timeline.h"
#include "shell/holiday_service.h"
#include "shell/program_context.h"

#include <QColor>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tavrel {

namespace {

constexpr const char* kWindowName = "frmDayView";

QDate ToQDate(const CalendarDate& d) {
    return QDate(d.year, d.month, d.day);
}

CalendarDate FromQDate(const QDate& d) {
    return {d.year(), d.month(), d.day()};
}

QString HtmlColour(BgrColour colour) {
    const Rgb rgb = RgbFromColour(colour);
    return QColor(rgb.red, rgb.green, rgb.blue).name();
}

// Swatches of the colours with what they mean.
QString LegendHtml(const DayViewColours& c) {
    auto swatch = [](const QString& colour, const char* text) {
        return QString("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2")
            .arg(colour, text);
    };
    return swatch(HtmlColour(c.on), "ON") + "&nbsp;&nbsp;&nbsp;" + swatch(HtmlColour(c.off), "OFF") +
           "&nbsp;&nbsp;&nbsp;" +
           swatch(HtmlColour(MixedColour(c.on, c.off, 500)), "both within one pixel (shown mixed)");
}

QAction* MenuItem(QMenu* menu, const QString& text, const char* name) {
    QAction* action = menu->addAction(text);
    action->setObjectName(name);
    return action;
}

} // namespace

DayViewWindow::DayViewWindow(ProgramContext& ctx, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), choosePrinter_(SystemPrinterChooser()) {
    setObjectName(kWindowName);
    setWindowTitle("Day View");
    setAccessibleName("Day view");

    auto* central = new QWidget(this);
    central->setObjectName("fraDayView");
    auto* layout = new QVBoxLayout(central);

    auto* bar = new QHBoxLayout;
    auto* label = new QLabel("&Day:", central);
    label->setObjectName("lblDay");
    label->setAccessibleName("Day label");
    date_ = new QDateEdit(ToQDate(ctx_.clock.Today()), central);
    date_->setObjectName("dtpDay");
    date_->setAccessibleName("Day shown");
    date_->setCalendarPopup(true);
    date_->setDisplayFormat("ddd yyyy-MM-dd");
    label->setBuddy(date_);
    auto* today = new QPushButton("&Today", central);
    today->setObjectName("cmdToday");
    today->setAccessibleName("Show today");
    bar->addWidget(label);
    bar->addWidget(date_);
    bar->addWidget(today);
    bar->addStretch(1);
    legend_ = new QLabel(central);
    legend_->setObjectName("lblLegend");
    legend_->setAccessibleName("Colour legend");
    legend_->setTextFormat(Qt::RichText);
    bar->addWidget(legend_);
    layout->addLayout(bar);

    holiday_ = new QLabel(central);
    holiday_->setObjectName("lblHoliday");
    holiday_->setAccessibleName("Holiday this day");
    holiday_->setWordWrap(true);
    QFont bold = holiday_->font();
    bold.setBold(true);
    holiday_->setFont(bold);
    layout->addWidget(holiday_);

    timeline_ = new DayTimeline(central);
    // The rows grow with the window up to their largest height; the room left goes below the note.
    layout->addWidget(timeline_, 1);

    note_ = new QLabel(central);
    note_->setObjectName("lblCyclicNote");
    note_->setAccessibleName("Note on cyclic relays");
    note_->setWordWrap(true);
    layout->addWidget(note_);
    sunNotes_ = new QLabel(central);
    sunNotes_->setObjectName("lblSunNotes");
    sunNotes_->setAccessibleName("Sun-based times this day");
    sunNotes_->setWordWrap(true);
    layout->addWidget(sunNotes_);
    layout->addStretch(1);
    setCentralWidget(central);
    BuildMenu();

    connect(date_, &QDateEdit::dateChanged, this, &DayViewWindow::Recompute);
    connect(today, &QPushButton::clicked, this, [this] { ShowDate(ToQDate(ctx_.clock.Today())); });
    nowTimer_ = new QTimer(this);
    nowTimer_->setObjectName("tmrNow");
    nowTimer_->setInterval(1000);
    connect(nowTimer_, &QTimer::timeout, this, &DayViewWindow::MoveNowLine);
    resize(960, 440);
    RestoreWindowPlacement(*this, ctx_.regApi, kWindowName);
}

void DayViewWindow::BuildMenu() {
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("mnuFile");
    file->setAccessibleName("File menu");
    connect(MenuItem(file, "Print &Form", "mnuFilePrintForm"), &QAction::triggered, this,
            [this] { ReportPrintResult(PrintWidgetImage(*this, choosePrinter_), this); });
    file->addSeparator()->setObjectName("mnuFileSep1");
    connect(MenuItem(file, "&Close", "mnuFileClose"), &QAction::triggered, this, &QWidget::close);
}

void DayViewWindow::ShowDate(const QDate& date) {
    if (date == date_->date())
        Recompute();
    else
        date_->setDate(date); // recomputes through dateChanged
}

QDate DayViewWindow::ShownDate() const {
    return date_->date();
}

void DayViewWindow::Recompute() {
    if (holidays_ != nullptr)
        holidayReadings_ = holidays_->Readings();
    DayPreview day = PreviewDay(ctx_.schedule, FromQDate(date_->date()));
    const DayViewColours colours = DayViewColoursFrom(ctx_.settings);
    legend_->setText(LegendHtml(colours));
    timeline_->SetColours(colours);
    timeline_->SetDay(std::move(day));
    holiday_->setText(QString::fromStdString(timeline_->Model().HolidayNote()));
    holiday_->setAccessibleDescription(holiday_->text());
    holiday_->setVisible(!holiday_->text().isEmpty());
    note_->setText(QString::fromStdString(timeline_->Model().CyclicNote()));
    note_->setVisible(!note_->text().isEmpty());
    sunNotes_->setText(QString::fromStdString(timeline_->Model().SunNotes()));
    sunNotes_->setAccessibleDescription(sunNotes_->text());
    sunNotes_->setVisible(!sunNotes_->text().isEmpty());
    MoveNowLine();
}

void DayViewWindow::ScheduleChanged() {
    if (isVisible())
        Recompute();
}

void DayViewWindow::FollowHolidays(const HolidayService* holidays) {
    holidays_ = holidays;
    if (isVisible())
        Recompute();
}

void DayViewWindow::MoveNowLine() {
    // Checked with the now line, once a second: a reading of the calendars may change the day shown.
    if (holidays_ != nullptr && holidays_->Readings() != holidayReadings_) {
        Recompute(); // moves the now line as well
        return;
    }
    const LocalTime now = ctx_.clock.Now();
    timeline_->SetNow(now.date, now.secondsOfDay);
}

void DayViewWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    Recompute();
    nowTimer_->start();
}

void DayViewWindow::closeEvent(QCloseEvent* event) {
    nowTimer_->stop();
    SaveWindowPlacement(*this, ctx_.regApi, kWindowName);
    QMainWindow::closeEvent(event);
}

} // namespace tavrel
