#include "config/ui/field_checks.h"

#include "resources/config_strings.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTimer>
#include <QWidget>

namespace tavrel {

namespace {

// Entries checked on leaving are left by the user's own move, not by a box or popup taking the focus.
bool LeftByTheUser(Qt::FocusReason reason) {
    return reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
           reason == Qt::MouseFocusReason || reason == Qt::ShortcutFocusReason ||
           reason == Qt::OtherFocusReason;
}

} // namespace

QString ConfigTip(int id) {
    const std::string_view text = ConfigStringText(id);
    return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

QString Indexed(const char* name, int index) {
    return QString("%1_%2").arg(name).arg(index);
}

void FieldChecks::Add(QWidget* field, std::function<bool()> check) {
    checks_.insert(field, std::move(check));
    field->installEventFilter(this);
}

bool FieldChecks::Check(QWidget* field) {
    const auto it = checks_.find(field);
    if (it == checks_.end())
        return true;
    const bool accepted = (*it)();
    shown_();
    if (accepted) {
        if (refused_ == field)
            refused_ = nullptr;
        return true;
    }
    refused_ = field;
    QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
    return false;
}

bool FieldChecks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && !stopped_) {
        auto* field = static_cast<QWidget*>(watched);
        if (LeftByTheUser(static_cast<QFocusEvent*>(event)->reason()) && checks_.contains(field))
            Check(field);
    }
    return QObject::eventFilter(watched, event);
}

bool FieldChecks::CommitFocused() {
    if (refused_ != nullptr) {
        refused_->setFocus(Qt::OtherFocusReason);
        return false;
    }
    QWidget* focused = QApplication::focusWidget();
    // An editable list's text field belongs to its list.
    if (focused != nullptr && !checks_.contains(focused) && focused->parentWidget() != nullptr &&
        checks_.contains(focused->parentWidget()))
        focused = focused->parentWidget();
    return focused == nullptr || Check(focused);
}

} // namespace tavrel
