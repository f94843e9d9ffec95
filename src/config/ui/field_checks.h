#pragma once
// The rule the configuration window keeps for every field its model checks: the entry is checked when the
// user leaves the field, and a refused field keeps the focus until its entry is taken.

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;

namespace tavrel {

// A tool tip from the configuration string table.
QString ConfigTip(int id);
// The object name of one of an array of controls: "txtRelayName_12".
QString Indexed(const char* name, int index);

class FieldChecks final : public QObject {
public:
    // `shown` redraws the window after each check.
    explicit FieldChecks(std::function<void()> shown, QObject* parent = nullptr)
        : QObject(parent), shown_(std::move(shown)) {}

    // A field whose entry `check` takes when it is left; false when refused.
    void Add(QWidget* field, std::function<bool()> check);
    bool Check(QWidget* field);
    // Checks the field that has the focus before a command runs; false when it is refused.
    bool CommitFocused();
    // From now on leaving a field checks nothing: the window is closing.
    void Stop() { stopped_ = true; }
    bool Stopped() const { return stopped_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> shown_;
    QHash<QWidget*, std::function<bool()>> checks_;
    QWidget* refused_ = nullptr;
    bool stopped_ = false;
};

} // namespace tavrel
