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
    QLabel* sunNotes_ = nullptr;
    QLabel* legend_;
    QTimer* nowTimer_;
    PrinterChooser choosePrinter_;
};

} // namespace tavrel
