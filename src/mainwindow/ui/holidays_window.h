#pragma once
// "Holidays" (Tool > Holidays): the coming year's holidays of the calendars the program has read, a row
// per date. It follows each reading of the calendars and the turn of the day while it is open.

#include <QWidget>

class QLabel;
class QPushButton;
class QTimer;
class QTreeWidget;

namespace tavrel {

struct ProgramContext;
class HolidayService;

class HolidaysWindow final : public QWidget {
    Q_OBJECT
public:
    // `holidays` (null: no calendar) must outlive the window.
    HolidaysWindow(ProgramContext& ctx, const HolidayService* holidays, QWidget* parent = nullptr);

    // The list made again from the calendars and the day now in force.
    void Refresh();

signals:
    // The user asked for the configuration, where "HolidayFiles" is set.
    void configurationWanted();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void FollowChanges();

    ProgramContext& ctx_;
    const HolidayService* holidays_;
    QLabel* heading_;
    QLabel* problems_;
    QTreeWidget* list_;
    QTimer* follow_;
    int readings_ = -1; // the readings the list shows
    long day_ = 0;      // the day it was made on
};

} // namespace tavrel
