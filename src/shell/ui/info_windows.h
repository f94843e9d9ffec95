#pragma once
// The small information windows: the splash shown during start-up, About and Help.

#include "resources/help_texts.h"

#include <QDialog>
#include <QWidget>

namespace tavrel {

// Shown without waiting while the program starts; closed before the main window shows.
class frmSplash final : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
    // Shows the window and lets it paint once, without waiting for anything.
    void ShowNow();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// The version, the build and the licence of Qt.
class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
};

// "Splash Screen": the splash window again, until it is clicked or a few seconds have passed.
void ShowSplashAgain(QWidget* parent);

// A help text in a window of its own, scrolled to its top.
class frmHelp final : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(const HelpText& text, QWidget* parent = nullptr);
};

} // namespace tavrel
