#include "mainwindow/ui/day_timeline.h"

#include "platform/hive/text_encoding.h"

#include <QHelpEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>

namespace tavrel {

namespace {

QColor ToQColor(BgrColour colour) {
    const Rgb rgb = RgbFromColour(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QRect ToQRect(const PixelRect& r) {
    return QRect(r.x, r.y, r.width, r.height);
}

constexpr int kPadding = 6;

} // namespace

DayTimeline::DayTimeline(QWidget* parent) : QWidget(parent) {
    setObjectName("picDayTimeline");
    setAccessibleName("Timeline of the day, one row per relay");
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Taller than this would only stretch the rows past their largest height.
    setMaximumHeight(DayViewModel::kRows * DayViewModel::kMaxRowHeight + fontMetrics().height() + 4 +
                     2 * DayViewModel::kMargin);
}

void DayTimeline::SetDay(DayPreview day) {
    model_.SetDay(std::move(day));
    update();
}

void DayTimeline::SetNow(const CalendarDate& today, int32_t second) {
    const auto before = model_.NowLineX();
    model_.SetNow(today, second);
    if (model_.NowLineX() != before)
        update();
}

void DayTimeline::SetColours(const DayViewColours& colours) {
    colours_ = colours;
    update();
}

const DayViewModel& DayTimeline::Model() {
    Measure();
    return model_;
}

QSize DayTimeline::sizeHint() const {
    const int line = fontMetrics().height();
    return {900, DayViewModel::kRows * (line * 2) + line + 2 * DayViewModel::kMargin + 4};
}

QSize DayTimeline::minimumSizeHint() const {
    const int line = fontMetrics().height();
    return {480, DayViewModel::kRows * (line + 4) + line + 2 * DayViewModel::kMargin + 4};
}

void DayTimeline::Measure() {
    const QFontMetrics fm = fontMetrics();
    int names = 0;
    for (int r = 0; r < DayViewModel::kRows; ++r)
        names = std::max(names, fm.horizontalAdvance(Q(Cp1252ToUtf8(model_.RowLabel(r)))));
    DayViewMetrics m;
    m.width = width();
    m.height = height();
    // Long names are cut short rather than squeezing the day.
    m.nameColumn = std::min(names + 2 * kPadding, width() / 4);
    m.totalColumn = fm.horizontalAdvance("ON 24:00:00") + 2 * kPadding;
    m.axisHeight = fm.height() + 4;
    m.hourLabelWidth = fm.horizontalAdvance("24");
    model_.SetMetrics(m);
}

bool DayTimeline::event(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        const auto* help = static_cast<QHelpEvent*>(event);
        Measure();
        const std::string tip = model_.ToolTipAt(help->pos().x(), help->pos().y());
        if (tip.empty()) {
            QToolTip::hideText();
            event->ignore();
        } else {
            QToolTip::showText(help->globalPos(), Q(tip), this);
        }
        return true;
    }
    return QWidget::event(event);
}

void DayTimeline::paintEvent(QPaintEvent*) {
    Measure();
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    DrawAxis(painter);
    DrawRows(painter);
    if (const auto x = model_.NowLineX()) {
        const PixelRect t = model_.Timeline();
        // Black on a white edge reads on any pair of ON and OFF colours.
        painter.fillRect(*x - 1, t.y - 3, 3, t.height + 6, Qt::white);
        painter.fillRect(*x, t.y - 3, 1, t.height + 6, Qt::black);
    }
}

void DayTimeline::DrawAxis(QPainter& painter) {
    const PixelRect t = model_.Timeline();
    const QFontMetrics fm = fontMetrics();
    painter.setPen(palette().windowText().color());
    for (int hour : model_.LabelledHours()) {
        const int x = model_.XOfSecond(hour * 3600);
        const QString label = QString("%1").arg(hour, 2, 10, QChar('0'));
        const int w = fm.horizontalAdvance(label);
        painter.drawText(x - w / 2, DayViewModel::kMargin + fm.ascent(), label);
        painter.drawLine(x, t.y - 3, x, t.y - 1);
    }
}

void DayTimeline::DrawRows(QPainter& painter) {
    const QColor off = ToQColor(colours_.off);
    const QColor grid = off.darker(115);
    const QColor nameBack = ToQColor(colours_.nameBackground);
    const Rgb nameText = TextColourOn(colours_.nameBackground);
    for (int r = 0; r < DayViewModel::kRows; ++r) {
        const PixelRect row = model_.Row(r);
        painter.fillRect(ToQRect(row), off);
        painter.setPen(grid);
        for (int hour = 1; hour < 24; ++hour) {
            const int x = model_.XOfSecond(hour * 3600);
            painter.drawLine(x, row.y, x, row.y + row.height - 1);
        }
        for (const DayViewModel::ColumnRun& run : model_.RowRuns(r)) {
            if (run.onPermille == 0)
                continue;
            painter.fillRect(run.x, row.y, run.width, row.height,
                             ToQColor(MixedColour(colours_.on, colours_.off, run.onPermille)));
        }

        const QRect name = ToQRect(model_.NameCell(r)).adjusted(0, 0, -2, 0);
        painter.fillRect(name, nameBack);
        painter.setPen(QColor(nameText.red, nameText.green, nameText.blue));
        const QString text = Q(Cp1252ToUtf8(model_.RowLabel(r)));
        painter.drawText(name.adjusted(kPadding, 0, -kPadding / 2, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(text, Qt::ElideRight, name.width() - kPadding * 3 / 2));
        painter.setPen(palette().windowText().color());
        painter.drawText(ToQRect(model_.TotalCell(r)).adjusted(kPadding, 0, 0, 0),
                         Qt::AlignVCenter | Qt::AlignLeft, Q(model_.RowTotal(r)));
    }
}

} // namespace tavrel
