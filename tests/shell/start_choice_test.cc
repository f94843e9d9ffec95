#include "shell/start_choice.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

TEST(StartChoice, ARunFileChangedAfterTheRestartFileWins) {
    const std::optional<int64_t> none;
    const struct {
        std::optional<int64_t> restart, runFile;
        StartChoice choice;
    } cases[] = {
        {100, 50, StartChoice::Resume},       // the usual restart after a shut-down
        {100, 100, StartChoice::Resume},      // not changed after
        {100, 101, StartChoice::OpenRunFile}, // edited meanwhile
        {100, none, StartChoice::Resume},     // no run file given, or it cannot be looked at
        {none, 100, StartChoice::Resume},     // nothing to resume: the caller opens the file anyway
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseStart(c.restart, c.runFile), c.choice)
            << c.restart.value_or(-1) << " " << c.runFile.value_or(-1);
}

} // namespace
} // namespace tavrel
