#pragma once
// Message boxes as Qt dialogs: the icon, title, lines and buttons asked for; returns the button pressed.

#include "platform/message_box.h"

#include <QPointer>
#include <QWidget>

namespace tavrel {

class QtMessageBoxes final : public MessageBoxes {
public:
    MsgResult Show(const MessageBoxRequest& request) override;
    // The window the boxes are centred on and modal to (the main window once it exists).
    void SetParent(QWidget* parent) { parent_ = parent; }

private:
    QPointer<QWidget> parent_;
};

} // namespace tavrel
