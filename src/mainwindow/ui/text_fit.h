#pragma once
// The font in which a text fits a given width: the box's own font when it fits, else narrower letters,
// then smaller ones, as little as it takes.

#include <QFont>
#include <QString>

namespace tavrel {

// `base` when `text` fits `room` pixels in it; else the largest narrowing of it that fits, down to three
// quarters of its width and then six tenths of its size. Past that, the narrowest of all (which the caller
// may find still too wide: ask FitsIn).
QFont FontThatFits(const QFont& base, const QString& text, int room);
bool FitsIn(const QFont& font, const QString& text, int room);

} // namespace tavrel
