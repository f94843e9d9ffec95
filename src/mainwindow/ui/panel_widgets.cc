#include "mainwindow/ui/panel_widgets.h"

#include "mainwindow/ui/text_fit.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <algorithm>

namespace tavrel {

EntryBox::EntryBox(Kind kind, int index, QWidget* parent)
    : QLineEdit(parent), kind_(kind), index_(index), shown_(font()) {
    if (isTimeBox())
        connect(this, &QLineEdit::textChanged, this, &EntryBox::Refit);
}

int EntryBox::textRoom() const {
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect r =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    // The line edit keeps 2 pixels either side of its text, and one more for the cursor past its end.
    return r.width() - 2 * 2 - 2;
}

void EntryBox::Refit() {
    const QFont fitted = isTimeBox() ? FontThatFits(font(), text(), textRoom()) : font();
    if (fitted == shown_)
        return;
    shown_ = fitted;
    update();
}

void EntryBox::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    Refit();
}

void EntryBox::changeEvent(QEvent* event) {
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        Refit();
}

// While the box is edited, or its text fits in its own font, the line edit draws itself.
void EntryBox::paintEvent(QPaintEvent* event) {
    if (hasFocus() || shown_ == font()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
    const QRect r =
        style()->subElementRect(QStyle::SE_LineEditContents, &panel, this).marginsRemoved(textMargins());
    const int room = textRoom();
    const QRect line(r.x() + (r.width() - room) / 2, r.y(), room, r.height());
    p.setFont(shown_);
    p.setPen(palette().color(QPalette::Text));
    // Past the narrowest font only (a box far narrower than any panel makes it): the tool tip holds it all.
    const QString shown = FitsIn(shown_, text(), room)
                              ? text()
                              : QFontMetrics(shown_).elidedText(text(), Qt::ElideMiddle, room);
    p.drawText(line,
               static_cast<int>(QStyle::visualAlignment(layoutDirection(), alignment())) | Qt::AlignVCenter,
               shown);
}

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
