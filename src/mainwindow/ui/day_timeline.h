#pragma once
// The Day View's drawing: one 24-hour row per relay with its ON bars, the hour labels, the present time
// as a line, and a bar's start, end and length as its tool tip. Where everything goes is the model's.

#include "mainwindow/day_view_model.h"

#include <QWidget>

class QPainter;

namespace tavrel {

class DayTimeline final : public QWidget {
    Q_OBJECT
public:
    explicit DayTimeline(QWidget* parent = nullptr);

    void SetDay(DayPreview day);
    void SetNow(const CalendarDate& today, int32_t second);
    void SetColours(const DayViewColours& colours);
    // The model as last measured against this widget's size and font.
    const DayViewModel& Model();

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Measure();
    void DrawAxis(QPainter& painter);
    void DrawRows(QPainter& painter);

    DayViewModel model_;
    DayViewColours colours_;
};

} // namespace tavrel
