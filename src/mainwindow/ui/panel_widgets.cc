#include "mainwindow/ui/panel_widgets.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

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

void RelayLight::setState(const QColor& colour, const QString& text) {
    if (colour == colour_ && text == text_)
        return;
    colour_ = colour;
    text_ = text;
    setAccessibleDescription(text);
    update();
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
