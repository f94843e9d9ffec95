#pragma once
// "Day View": what each relay of board 1 does on a chosen day, from the schedule in the main window.
// It recomputes when shown, when the day changes and when the main window says the schedule changed.

#include "formutil/ui/printing.h"

#include <QMainWindow>

class QDateEdit;
class QLabel;
class QTimer;

namespace tavrel {

struct ProgramContext;
class DayTimeline;
class HolidayService;

class DayViewWindow final : public QMainWindow {
    Q_OBJECT
public:
    DayViewWindow(ProgramContext& ctx, QWidget* parent = nullptr);

    // The day shown; today's by default.
    void ShowDate(const QDate& date);
    QDate ShownDate() const;
    DayTimeline& Timeline() { return *timeline_; }
    // Where Print Form sends the window; the system's printer dialog unless set.
    void SetPrinterChooser(PrinterChooser choose) { choosePrinter_ = std::move(choose); }

    // The preview computed again for the schedule, the colours and the day now in force.
    void Recompute();
    // Computed again whenever `holidays` reads the calendars (null: none to follow). It must outlive
    // the window.
    void FollowHolidays(const HolidayService* holidays);

public slots:
    // The main window accepted an entry or loaded a schedule: recomputed while the window is shown.
    void ScheduleChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildMenu();
    void MoveNowLine();

    ProgramContext& ctx_;
    QDateEdit* date_;
    DayTimeline* timeline_;
    QLabel* note_;
    QLabel* holiday_;
    QLabel* sunNotes_ = nullptr;
    QLabel* legend_;
    QTimer* nowTimer_;
    PrinterChooser choosePrinter_;
    const HolidayService* holidays_ = nullptr;
    int holidayReadings_ = 0; // the readings the preview has seen
};

} // namespace tavrel
