#include "platform/file_io.h"

#include "support/temp_home.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavrel {
namespace {

namespace fs = std::filesystem;

unsigned ModeOf(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Sets the umask for one test and puts the old one back.
class Umask {
public:
    explicit Umask(mode_t mask) : old_(::umask(mask)) {}
    ~Umask() { ::umask(old_); }

private:
    mode_t old_;
};

int DeadPid() {
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    return child;
}

TEST(FileReading, OnlyRegularFilesWithinTheBoundAreRead) {
    test::TempHome home;
    ASSERT_EQ(::mkfifo(home.File("pipe").c_str(), 0600), 0);
    fs::create_directory(home.File("folder"));
    fs::resize_file((test::WriteWholeFile(home.File("big"), ""), home.File("big")), kMaxReadFileBytes + 1);
    test::WriteWholeFile(home.File("fits"), "FV");
    const struct {
        std::string path;
        FileReadError expected;
    } cases[] = {
        {home.File("pipe"), FileReadError::NotRegularFile}, // no writer: must not wait
        {"/dev/zero", FileReadError::NotRegularFile},       // endless: must not be read
        {home.File("folder"), FileReadError::IsFolder},
        {home.File("big"), FileReadError::TooLarge},
        {home.File(std::string(300, 'n') + ".run"), FileReadError::NameTooLong},
        {home.File("missing.run"), FileReadError::NotFound},
        {home.File("fits"), FileReadError::None},
    };
    for (const auto& c : cases) {
        std::string bytes = "old";
        EXPECT_EQ(ReadRegularFile(c.path, bytes), c.expected) << c.path.substr(0, 60);
        EXPECT_EQ(bytes, c.expected == FileReadError::None ? "FV" : "") << c.path.substr(0, 60);
    }
}

TEST(FileWriting, APlantedLinkIsReplacedNeverWrittenThrough) {
    test::TempHome home;
    test::WriteWholeFile(home.File("victim"), "victim");
    const std::string target = home.File("TVRestart.run");
    fs::create_symlink(home.File("victim"), target);
    ASSERT_EQ(WriteFileAtomically(target, "new", FilePrivacy::OwnerOnly), 0);
    EXPECT_EQ(test::ReadWholeFile(home.File("victim")), "victim");
    EXPECT_FALSE(fs::is_symlink(target));
    EXPECT_EQ(test::ReadWholeFile(target), "new");

    const std::string log = home.File("Tavrel.Log");
    fs::create_symlink(home.File("victim"), log);
    EXPECT_NE(AppendToFile(log, "line\r\n", FilePrivacy::OwnerOnly), 0);
    EXPECT_EQ(test::ReadWholeFile(home.File("victim")), "victim");
}

TEST(FileWriting, OwnerOnlyFilesAndFoldersWhateverTheUmask) {
    const struct {
        mode_t umask;
        FilePrivacy privacy;
        unsigned file;
    } cases[] = {
        {022, FilePrivacy::OwnerOnly, 0600},   {0, FilePrivacy::OwnerOnly, 0600},
        {0277, FilePrivacy::OwnerOnly, 0600},  {022, FilePrivacy::UserDefault, 0644},
        {002, FilePrivacy::UserDefault, 0664},
    };
    for (const auto& c : cases) {
        test::TempHome home;
        Umask mask(c.umask);
        ASSERT_EQ(WriteFileAtomically(home.File("a.run"), "x", c.privacy), 0);
        ASSERT_EQ(AppendToFile(home.File("a.log"), "x", c.privacy), 0);
        EXPECT_EQ(ModeOf(home.File("a.run")), c.file) << std::oct << c.umask;
        EXPECT_EQ(ModeOf(home.File("a.log")), c.file) << std::oct << c.umask;
        ASSERT_TRUE(MakePrivateFolders(home.File("new/registry")));
        EXPECT_EQ(ModeOf(home.File("new/registry")), 0700u) << std::oct << c.umask;
    }
}

TEST(TempFiles, OnlyThoseOfDeadProcessesAreRemoved) {
    test::TempHome home;
    const std::string dead = std::to_string(DeadPid());
    const std::string live = std::to_string(::getpid());
    const std::string stale[] = {"a.reg.tmp-" + dead, "TVRestart.run.tmp-" + dead + "-Ab3xQ9"};
    const std::string kept[] = {"a.reg.tmp-" + live + "-Ab3xQ9", "b.tmp-" + live, "c.tmp-x", "d.run",
                                "e.tmp-" + dead + "-toolongsuffix"};
    for (const auto& name : stale)
        test::WriteWholeFile(home.File(name), "partial");
    for (const auto& name : kept)
        test::WriteWholeFile(home.File(name), "keep");
    EXPECT_EQ(RemoveStaleTempFiles(home.Path()), 2);
    for (const auto& name : stale)
        EXPECT_FALSE(fs::exists(home.File(name))) << name;
    for (const auto& name : kept)
        EXPECT_TRUE(fs::exists(home.File(name))) << name;
}

TEST(FileRemoval, OnlyARegularFileIsRemoved) {
    test::TempHome home;
    fs::create_directory(home.File("empty"));
    test::WriteWholeFile(home.File("file"), "x");
    fs::create_symlink(home.File("file"), home.File("link"));
    EXPECT_FALSE(RemoveRegularFile(home.File("empty")));
    EXPECT_FALSE(RemoveRegularFile(home.File("link")));
    EXPECT_TRUE(fs::is_directory(home.File("empty")));
    EXPECT_TRUE(fs::is_symlink(home.File("link")));
    EXPECT_TRUE(RemoveRegularFile(home.File("file")));
    EXPECT_FALSE(fs::exists(home.File("file")));
}

} // namespace
} // namespace tavrel
