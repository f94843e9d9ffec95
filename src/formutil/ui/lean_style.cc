#include "formutil/ui/lean_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace tavrel {

namespace {

constexpr int kIconSides[] = {16, 32, 64};

template <typename Paint> QIcon Drawn(Paint paint) {
    QIcon icon;
    for (const int side : kIconSides) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(side / 16.0, side / 16.0);
        paint(p);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon LeanStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const {
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    const bool horizontal = icon == SP_ToolBarHorizontalExtensionButton;
    return Drawn([horizontal](QPainter& p) {
        // Two chevrons pointing where the hidden entries are.
        if (!horizontal) {
            p.translate(16, 0);
            p.rotate(90);
        }
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.5));
        for (const double x : {4.0, 8.5}) {
            QPainterPath chevron;
            chevron.moveTo(x, 4);
            chevron.lineTo(x + 3.5, 8);
            chevron.lineTo(x, 12);
            p.drawPath(chevron);
        }
    });
}

QIcon ProgramIcon() {
    return Drawn([](QPainter& p) {
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
        p.setBrush(QColor(0xF8, 0xF8, 0xF0));
        p.drawEllipse(QRectF(1, 1, 14, 14));
        p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(8, 3.5));
        p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x00, 0xB0, 0x00)); // a relay's ON light
        p.drawEllipse(QRectF(10.5, 10.5, 5, 5));
    });
}

} // namespace tavrel
