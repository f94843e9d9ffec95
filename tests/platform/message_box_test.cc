#include "platform/message_box.h"

#include "support/fake_message_boxes.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tavrel {
namespace {

TEST(MessageBoxes, TextJoinsLinesWithCrLf) {
    MessageBoxRequest r;
    r.lines = {"one", "", "three"};
    EXPECT_EQ(r.Text(), "one\r\n\r\nthree");
}

TEST(MessageBoxes, ConsoleBoxPrintsAndTakesTheDefault) {
    std::ostringstream out;
    ConsoleMessageBoxes boxes(out);
    MessageBoxRequest r;
    r.icon = MsgIcon::Question;
    r.title = "Tavrel";
    r.lines = {"Save changes?"};
    r.buttons = MsgButtons::YesNoCancel;
    r.defaultButton = MsgResult::No;
    EXPECT_EQ(boxes.Show(r), MsgResult::No);
    EXPECT_EQ(out.str(), "[question] Tavrel\n    Save changes?\n    (answered No)\n");
}

TEST(MessageBoxes, FakeRecordsAndAnswersFromItsScript) {
    test::FakeMessageBoxes boxes;
    boxes.setNextAnswer(MsgResult::Yes);
    MessageBoxRequest r;
    r.buttons = MsgButtons::YesNo;
    r.defaultButton = MsgResult::No;
    EXPECT_EQ(boxes.Show(r), MsgResult::Yes);
    EXPECT_EQ(boxes.Show(r), MsgResult::No);
    boxes.Tell(MsgIcon::Warning, "T", {"a"});
    ASSERT_EQ(boxes.Count(), 3u);
    EXPECT_EQ(boxes.Last().icon, MsgIcon::Warning);
    EXPECT_EQ(boxes.Last().buttons, MsgButtons::Ok);
}

} // namespace
} // namespace tavrel
