#pragma once
// Blue-green-red colour integers (0x00BBGGRR) as Qt colours, and the buttons that show them.

#include <QColor>
#include <QPushButton>

#include <cstdint>

namespace tavrel {

inline QColor ColourFromBgr(int32_t bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

inline int32_t BgrFromColour(const QColor& c) {
    return c.red() | (c.green() << 8) | (c.blue() << 16);
}

// Paints the button in the colour, its caption in black or white, whichever reads better.
inline void ShowSwatch(QPushButton* button, int32_t bgr) {
    const QColor c = ColourFromBgr(bgr);
    const QString text = c.lightness() < 128 ? "white" : "black";
    button->setStyleSheet(QString("QPushButton { background-color: %1; color: %2; border: 1px solid #808080; "
                                  "padding: 3px 8px; }")
                              .arg(c.name(), text));
}

} // namespace tavrel
