#include "shell/ui/qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>

namespace tavrel {

namespace {

QMessageBox::Icon IconOf(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        return QMessageBox::NoIcon;
    case MsgIcon::Information:
        return QMessageBox::Information;
    case MsgIcon::Warning:
        return QMessageBox::Warning;
    case MsgIcon::Error:
        return QMessageBox::Critical;
    case MsgIcon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ButtonOf(MsgResult result) {
    switch (result) {
    case MsgResult::Ok:
        return QMessageBox::Ok;
    case MsgResult::Cancel:
        return QMessageBox::Cancel;
    case MsgResult::Yes:
        return QMessageBox::Yes;
    case MsgResult::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

QMessageBox::StandardButtons ButtonsOf(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::Ok:
        return QMessageBox::Ok;
    case MsgButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MsgButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MsgButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

MsgResult QtMessageBoxes::Show(const MessageBoxRequest& request) {
    QStringList lines;
    for (const auto& line : request.lines)
        lines << QString::fromStdString(line);
    QMessageBox box(IconOf(request.icon), QString::fromStdString(request.title), lines.join('\n'),
                    ButtonsOf(request.buttons), parent_ ? parent_.data() : QApplication::activeWindow());
    box.setObjectName("MessageBox");
    box.setDefaultButton(ButtonOf(request.defaultButton));
    // Escape or the window's close button: Cancel where there is one, else the default.
    box.setEscapeButton(request.buttons == MsgButtons::OkCancel || request.buttons == MsgButtons::YesNoCancel
                            ? QMessageBox::Cancel
                            : ButtonOf(request.defaultButton));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return MsgResult::Ok;
    case QMessageBox::Cancel:
        return MsgResult::Cancel;
    case QMessageBox::Yes:
        return MsgResult::Yes;
    case QMessageBox::No:
        return MsgResult::No;
    default:
        return request.defaultButton;
    }
}

} // namespace tavrel
