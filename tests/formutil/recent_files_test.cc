#include "formutil/recent_files.h"

#include "support/test_platform.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

std::vector<std::string> Paths(int from, int to) {
    std::vector<std::string> out;
    for (int i = from; i >= to; --i)
        out.push_back("/runs/" + std::to_string(i) + ".run");
    return out;
}

TEST(RecentFilesTest, NewestFirstARepeatMovesUpAndTheNinthPushesTheOldestOut) {
    RecentFiles mru;
    for (int i = 1; i <= 3; ++i)
        mru.Add("/runs/" + std::to_string(i) + ".run");
    EXPECT_EQ(mru.Files(), Paths(3, 1));
    mru.Add("/runs/1.run");
    EXPECT_EQ(mru.Files(), (std::vector<std::string>{"/runs/1.run", "/runs/3.run", "/runs/2.run"}));
    for (int i = 4; i <= 10; ++i)
        mru.Add("/runs/" + std::to_string(i) + ".run");
    EXPECT_EQ(mru.Files().size(), kRecentFilesCapacity);
    EXPECT_EQ(mru.Files().front(), "/runs/10.run");
    EXPECT_EQ(mru.Files().back(), "/runs/1.run") << "moved up, it outlived 2 and 3";
}

TEST(RecentFilesTest, AFileThatIsGoneIsTakenOffWithAMessage) {
    test::FakeMessageBoxes boxes;
    RecentFiles mru;
    mru.Add("/runs/gone.run");
    mru.Add("/runs/here.run");
    const auto exists = [](const std::string& path) { return path == "/runs/here.run"; };
    EXPECT_EQ(mru.Choose(0, exists, boxes), std::optional<std::string>("/runs/here.run"));
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_FALSE(mru.Choose(1, exists, boxes));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().lines.front(), "/runs/gone.run");
    EXPECT_EQ(mru.Files(), std::vector<std::string>{"/runs/here.run"});
}

TEST(RecentFilesTest, SavedAsNumberedValuesAndReadBackInOrderAShorterListLeavingNoneBehind) {
    test::TestContext t;
    RecentFiles mru;
    for (int i = 1; i <= 5; ++i)
        mru.Add("/runs/" + std::to_string(i) + ".run");
    mru.Save(t.ctx.regApi);
    EXPECT_EQ(t.ctx.regApi.ReadRegValueCheck(kHkeyLocalMachine, kRecentFilesKey, "0", false), "/runs/5.run");

    RecentFiles shorter;
    shorter.Add("/runs/9.run");
    shorter.Save(t.ctx.regApi);
    RecentFiles loaded;
    loaded.Load(t.ctx.regApi);
    EXPECT_EQ(loaded.Files(), std::vector<std::string>{"/runs/9.run"});

    RecentFiles none;
    none.Save(t.ctx.regApi);
    loaded.Load(t.ctx.regApi);
    EXPECT_TRUE(loaded.Files().empty());
}

} // namespace
} // namespace tavrel
