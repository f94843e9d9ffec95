#include "mainwindow/ui/panel_widgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace tavrel {

EntryBox::EntryBox(Kind kind, int index, QWidget* parent) : QLineEdit(parent), kind_(kind), index_(index) {}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        focusNextChild();
        return;
    }
    if (isTimeBox() && event->text() == ".") {
        insert(":");
        emit textEdited(text());
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // A mouse press places the cursor after focus arrives; select once it has.
    if (event->reason() == Qt::MouseFocusReason)
        QTimer::singleShot(0, this, &QLineEdit::selectAll);
    else
        selectAll();
    emit entered(this);
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit leaving(this, event->reason());
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit clicked(event->button());
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::makePressable() {
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit clicked(Qt::LeftButton);
        return;
    case Qt::Key_Menu:
        emit clicked(Qt::RightButton);
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter p(this);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    p.drawRect(rect().adjusted(2, 2, -3, -3));
}

RelayLight::RelayLight(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void RelayLight::setState(const QColor& colour, const QString& text, const QString& fault) {
    if (colour == colour_ && text == text_ && fault == fault_)
        return;
    colour_ = colour;
    text_ = text;
    fault_ = fault;
    setAccessibleDescription(fault.isEmpty() ? text : text + ", " + fault);
    update();
}

QColor ErrorColour() {
    return {0xd0, 0x00, 0x00};
}

void ShowAsError(QWidget* widget, bool error) {
    QPalette pal = widget->parentWidget() != nullptr ? widget->parentWidget()->palette() : QPalette();
    if (error)
        pal.setColor(QPalette::WindowText, ErrorColour());
    if (pal.color(QPalette::WindowText) != widget->palette().color(QPalette::WindowText))
        widget->setPalette(pal);
}

QSize RelayLight::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    const int d = fm.height();
    return {d + fm.horizontalAdvance(' ') + fm.horizontalAdvance("OFF") + 2, d + 2};
}

void RelayLight::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int d = fontMetrics().height();
    p.setPen(QPen(palette().color(QPalette::WindowText), 1));
    p.setBrush(colour_);
    p.drawEllipse(QRectF(1, 1, d - 1, d - 1));
    if (!fault_.isEmpty()) {
        // A cross through the light, dark under light so it shows on any light colour, and the text in
        // the error colour: seen without telling colours apart.
        const qreal w = std::max<qreal>(1.5, d / 8.0);
        const qreal a = d * 0.22 + 1;
        const qreal b = d - d * 0.22;
        for (const auto& [colour, width] :
             {std::pair{QColor(Qt::black), w + 2}, std::pair{QColor(Qt::white), w}}) {
            p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(a, a), QPointF(b, b));
            p.drawLine(QPointF(a, b), QPointF(b, a));
        }
        p.setPen(QPen(ErrorColour(), 1));
    }
    p.drawText(QRect(d + fontMetrics().horizontalAdvance(' '), 0, width(), height()),
               Qt::AlignVCenter | Qt::AlignLeft, text_);
}

void SetColours(QWidget* widget, const QColor& background, const QColor& text, bool base) {
    QPalette pal = widget->palette();
    pal.setColor(base ? QPalette::Base : QPalette::Window, background);
    pal.setColor(base ? QPalette::Text : QPalette::WindowText, text);
    if (pal == widget->palette())
        return;
    widget->setPalette(pal);
    if (!base)
        widget->setAutoFillBackground(true);
}

} // namespace tavrel
