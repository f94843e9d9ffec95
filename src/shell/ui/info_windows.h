#pragma once
// The small information windows: the splash shown during start-up, About and Help.

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
};

class frmAbout final : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);
};

class frmHelp final : public QDialog {
    Q_OBJECT
public:
    explicit frmHelp(QWidget* parent = nullptr);
};

} // namespace tavrel
