#pragma once
// Records every message box and answers from a script.

#include "platform/message_box.h"

#include <deque>
#include <vector>

namespace tavrel::test {

class FakeMessageBoxes final : public MessageBoxes {
public:
    MsgResult Show(const MessageBoxRequest& request) override {
        shown_.push_back(request);
        if (answers_.empty())
            return request.defaultButton;
        const MsgResult answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    // The answer to the next box; without one a box takes its default button.
    void setNextAnswer(MsgResult answer) { answers_.push_back(answer); }

    const std::vector<MessageBoxRequest>& Shown() const { return shown_; }
    const MessageBoxRequest& Last() const { return shown_.back(); }
    size_t Count() const { return shown_.size(); }
    void Clear() { shown_.clear(); }

private:
    std::vector<MessageBoxRequest> shown_;
    std::deque<MsgResult> answers_;
};

} // namespace tavrel::test
