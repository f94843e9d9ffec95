// The log windows' rules: which files are listed, folder and file joined, the folder list, what the
// chosen folder is stored as, and deleting that reports a file it cannot reach and goes on.

#include "shell/log_files.h"

#include "support/fake_message_boxes.h"

#include <gtest/gtest.h>

#include <map>

namespace tavrel {
namespace {

TEST(LogFiles, ListsTavrelLogFilesInAnyCaseSorted) {
    const std::vector<std::string> names{"Tavrel_2026_12_07.Log", "notes.log",      "TAVREL.LOG",
                                         "tavrel_old.txt",        "Tavrel.log.bak", "tavrel1.log",
                                         "Tavrel.logx",           "avrel.log"};
    EXPECT_EQ(LogFilesIn(names),
              (std::vector<std::string>{"TAVREL.LOG", "tavrel1.log", "Tavrel_2026_12_07.Log"}));
    EXPECT_TRUE(IsLogFileName("tavrel.log"));
    EXPECT_FALSE(IsLogFileName("tavre.log"));
}

TEST(LogFiles, JoinsFolderAndFileWithOneSeparator) {
    const struct {
        const char* folder;
        const char* joined;
    } cases[] = {
        {"c:\\", "c:\\Tavrel.log"},
        {"c:\\logs", "c:\\logs\\Tavrel.log"},
        {"c:\\logs\\", "c:\\logs\\Tavrel.log"},
        {"/srv/logs/", "/srv/logs/Tavrel.log"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(JoinFolderFile(c.folder, "Tavrel.log"), c.joined) << c.folder;
}

TEST(LogFiles, StartsAtTheSettingAndStepsThroughFolders) {
    EXPECT_EQ(StartFolder(""), "c:\\");
    EXPECT_EQ(StartFolder("c:\\"), "c:\\");
    EXPECT_EQ(StartFolder("d:\\logs\\old\\"), "d:\\logs\\old");
    EXPECT_EQ(StartFolder("/srv/logs/"), "/srv/logs");
    EXPECT_EQ(ParentFolder("c:\\logs\\old"), "c:\\logs");
    EXPECT_EQ(ParentFolder("c:\\logs"), "c:\\");
    EXPECT_EQ(ParentFolder("c:\\"), "c:\\");
    EXPECT_EQ(ParentFolder("/srv"), "/");
    EXPECT_EQ(SubFolder("c:\\", "logs"), "c:\\logs");
    EXPECT_EQ(SubFolder("/srv", "logs"), "/srv/logs");
}

TEST(LogFiles, FolderRowsShowTheWayDownThenTheSubfolders) {
    const auto rows = FolderRows("c:\\logs\\", {"b", "A"});
    ASSERT_EQ(rows.size(), 4u);
    const struct {
        const char* label;
        const char* path;
        int depth;
        bool current;
    } expected[] = {{"c:\\", "c:\\", 0, false},
                    {"logs", "c:\\logs", 1, true},
                    {"A", "c:\\logs\\A", 2, false},
                    {"b", "c:\\logs\\b", 2, false}};
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].label, expected[i].label) << i;
        EXPECT_EQ(rows[i].path, expected[i].path) << i;
        EXPECT_EQ(rows[i].depth, expected[i].depth) << i;
        EXPECT_EQ(rows[i].current, expected[i].current) << i;
    }
}

TEST(LogFiles, ChosenFolderIsStoredWithAFinalSeparator) {
    EXPECT_EQ(LogFilePathFor("c:\\logs"), "c:\\logs\\");
    EXPECT_EQ(LogFilePathFor("c:\\"), "c:\\");
    EXPECT_EQ(LogFilePathFor("/srv/logs"), "/srv/logs/");
    EXPECT_EQ(LogFilePathFor(""), "");
}

TEST(LogFiles, DeleteReportsAFileItCannotReachAndGoesOn) {
    const std::map<std::string, FileReach> reach{{"c:\\logs\\Tavrel_a.log", FileReach::Ok},
                                                 {"c:\\logs\\Tavrel_b.log", FileReach::Missing},
                                                 {"c:\\logs\\Tavrel_c.log", FileReach::Denied},
                                                 {"c:\\logs\\Tavrel_d.log", FileReach::Ok}};
    std::vector<std::string> trashed;
    const LogDeleteOps ops{[&](const std::string& p) { return reach.at(p); },
                           [&](const std::string& p) {
                               trashed.push_back(p);
                               return TrashMove{p.ends_with("d.log") ? "No trash here" : "", ""};
                           }};
    test::FakeMessageBoxes boxes;
    EXPECT_EQ(DeleteLogFiles("c:\\logs", {"Tavrel_a.log", "Tavrel_b.log", "Tavrel_c.log", "Tavrel_d.log"},
                             ops, boxes),
              1);
    EXPECT_EQ(trashed, (std::vector<std::string>{"c:\\logs\\Tavrel_a.log", "c:\\logs\\Tavrel_d.log"}));
    ASSERT_EQ(boxes.Count(), 3u);
    EXPECT_EQ(boxes.Shown()[0].lines[0], "Error Number: 53");
    EXPECT_EQ(boxes.Shown()[0].lines[1], "Description: File not found: c:\\logs\\Tavrel_b.log");
    EXPECT_EQ(boxes.Shown()[1].lines[0], "Error Number: 70");
    EXPECT_EQ(boxes.Last().lines, std::vector<std::string>{"No trash here"});
}

TEST(LogFiles, DeleteTellsWhereFilesWentWhenNotTheOwnTrash) {
    for (const std::string other : {"", "/mnt/data/.Trash-1000/files"}) {
        const LogDeleteOps ops{[](const std::string&) { return FileReach::Ok; },
                               [&](const std::string&) {
                                   return TrashMove{"", other};
                               }};
        test::FakeMessageBoxes boxes;
        EXPECT_EQ(DeleteLogFiles("c:\\logs", {"Tavrel_a.log", "Tavrel_b.log"}, ops, boxes), 2);
        if (other.empty()) {
            EXPECT_EQ(boxes.Count(), 0u);
            continue;
        }
        ASSERT_EQ(boxes.Count(), 1u) << "one message for both files";
        EXPECT_EQ(boxes.Last().lines.back(), other);
    }
}

} // namespace
} // namespace tavrel
