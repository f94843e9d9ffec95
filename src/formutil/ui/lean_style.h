#pragma once
// The platform's own style, less two costs a clock window need not pay: the icons it would read from
// picture files (a menu bar's overflow arrow, read at once by every menu bar, which loads each picture
// format plug-in to find out the file's format) are drawn instead; and the program's window icon, drawn
// rather than looked up in the icon themes.

#include <QIcon>
#include <QProxyStyle>

namespace tavrel {

class LeanStyle final : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// A clock face: the program's window and task-bar icon.
QIcon ProgramIcon();

} // namespace tavrel
