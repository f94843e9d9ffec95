#include "mainwindow/ui/text_fit.h"

#include <QFontMetrics>

#include <algorithm>

namespace tavrel {

namespace {

// Narrower letters keep their height, so they read better than smaller ones: they are tried first.
constexpr int kStretches[] = {94, 87, 81, 75};
constexpr int kSmallestStretch = 75;
constexpr int kSizeSteps = 8; // down to 60 % in steps of 5 %

QFont Scaled(const QFont& base, double factor) {
    QFont font = base;
    if (base.pointSizeF() > 0)
        font.setPointSizeF(base.pointSizeF() * factor);
    else
        font.setPixelSize(std::max(1, static_cast<int>(base.pixelSize() * factor)));
    return font;
}

} // namespace

bool FitsIn(const QFont& font, const QString& text, int room) {
    return QFontMetrics(font).horizontalAdvance(text) <= room;
}

QFont FontThatFits(const QFont& base, const QString& text, int room) {
    if (FitsIn(base, text, room))
        return base;
    QFont narrow = base;
    for (int stretch : kStretches) {
        narrow.setStretch(stretch);
        if (FitsIn(narrow, text, room))
            return narrow;
    }
    narrow.setStretch(kSmallestStretch);
    QFont small = narrow;
    for (int step = 1; step <= kSizeSteps; ++step) {
        small = Scaled(narrow, 1.0 - 0.05 * step);
        if (FitsIn(small, text, room))
            return small;
    }
    return small;
}

} // namespace tavrel
