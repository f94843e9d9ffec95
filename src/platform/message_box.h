#pragma once
// Modal message boxes: an icon, a title, lines of text and a set of buttons; returns the button pressed.

#include <iosfwd>
#include <string>
#include <vector>

namespace tavrel {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct MessageBoxRequest {
    MsgIcon icon = MsgIcon::Information;
    std::string title;
    std::vector<std::string> lines; // shown one per line; "" is a blank line
    MsgButtons buttons = MsgButtons::Ok;
    MsgResult defaultButton = MsgResult::Ok;

    // The text as one string with CR LF between lines, the way the box shows it.
    std::string Text() const;
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MsgResult Show(const MessageBoxRequest& request) = 0;

    // An OK box, the commonest kind.
    void Tell(MsgIcon icon, const std::string& title, std::vector<std::string> lines);
};

const char* MsgResultName(MsgResult result);

// For programs without a window: each box is written to a stream and its default button taken.
class ConsoleMessageBoxes final : public MessageBoxes {
public:
    explicit ConsoleMessageBoxes(std::ostream& out) : out_(out) {}
    MsgResult Show(const MessageBoxRequest& request) override;

private:
    std::ostream& out_;
};

} // namespace tavrel
