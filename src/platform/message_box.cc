#include "platform/message_box.h"

#include <ostream>

namespace tavrel {

std::string MessageBoxRequest::Text() const {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += "\r\n";
        text += lines[i];
    }
    return text;
}

void MessageBoxes::Tell(MsgIcon icon, const std::string& title, std::vector<std::string> lines) {
    MessageBoxRequest request;
    request.icon = icon;
    request.title = title;
    request.lines = std::move(lines);
    Show(request);
}

const char* MsgResultName(MsgResult result) {
    switch (result) {
    case MsgResult::Ok:
        return "OK";
    case MsgResult::Cancel:
        return "Cancel";
    case MsgResult::Yes:
        return "Yes";
    case MsgResult::No:
        return "No";
    }
    return "?";
}

namespace {
const char* IconWord(MsgIcon icon) {
    switch (icon) {
    case MsgIcon::None:
        return "message";
    case MsgIcon::Information:
        return "information";
    case MsgIcon::Warning:
        return "warning";
    case MsgIcon::Error:
        return "error";
    case MsgIcon::Question:
        return "question";
    }
    return "message";
}
} // namespace

MsgResult ConsoleMessageBoxes::Show(const MessageBoxRequest& request) {
    out_ << "[" << IconWord(request.icon) << "] " << request.title << "\n";
    for (const auto& line : request.lines)
        out_ << "    " << line << "\n";
    if (request.buttons != MsgButtons::Ok)
        out_ << "    (answered " << MsgResultName(request.defaultButton) << ")\n";
    out_.flush();
    return request.defaultButton;
}

} // namespace tavrel
