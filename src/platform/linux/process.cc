#include "platform/process.h"

#include "platform/command_line.h"
#include "platform/environment.h"
#include "platform/linux/machine_lock_path.h"

#include <atomic>
#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tavrel {

namespace {

std::string ProgramName() {
    char name[32] = {};
    const int fd = ::open("/proc/self/comm", O_RDONLY | O_CLOEXEC);
    const ssize_t n = fd >= 0 ? ::read(fd, name, sizeof name - 1) : -1;
    if (fd >= 0)
        ::close(fd);
    std::string text(name, n > 0 ? static_cast<size_t>(n) : 0);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\0'))
        text.pop_back();
    return text.empty() ? "unknown" : text;
}

// "1234 tavreld" as the holder writes it, shown as "process 1234 (tavreld)".
std::string HolderText(int fd) {
    char buffer[128] = {};
    const ssize_t n = ::pread(fd, buffer, sizeof buffer - 1, 0);
    if (n <= 0)
        return {};
    std::string text(buffer, static_cast<size_t>(n));
    text = text.substr(0, text.find('\n'));
    for (char& c : text) // another user may have written it (a lock in /tmp): show only plain characters
        if (!std::isprint(static_cast<unsigned char>(c)))
            c = '?';
    const size_t space = text.find(' ');
    if (space == std::string::npos || space == 0)
        return {};
    return "process " + text.substr(0, space) + " (" + text.substr(space + 1) + ")";
}

// Why the lock file open as `fd` at `path` must not be used, or "": a lock file is this user's own
// regular file with no other name, so that writing the holder's name into it never reaches another
// file (a hard link planted by another user) and no one else can have made it to block the lock.
std::string RefusedLockFile(int fd, const std::string& path) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return "the lock file " + path + " cannot be examined: " + std::strerror(errno);
    if (!S_ISREG(st.st_mode))
        return "the lock file " + path + " is not a regular file";
    if (st.st_nlink != 1)
        return "the lock file " + path + " has " + std::to_string(st.st_nlink) +
               " links (names); a lock file has one";
    if (st.st_uid != ::geteuid())
        return "the lock file " + path + " belongs to user " + std::to_string(st.st_uid) + ", not to user " +
               std::to_string(::geteuid());
    return {};
}

// An advisory lock on a file that, once held, names its holder.
class FileInstanceLock final : public InstanceLock {
public:
    // `removeAtEnd`: the holder removes the file when it lets go, so that locks named after changing
    // things (a simulated space's file) do not pile up. `mode` is set whatever the umask.
    FileInstanceLock(const std::string& path, bool removeAtEnd, mode_t mode) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, mode);
            if (fd_ < 0) {
                if (errno == ELOOP)
                    problem_ = "the lock file " + path + " is a symbolic link";
                return;
            }
            if (problem_ = RefusedLockFile(fd_, path); !problem_.empty()) {
                ::close(fd_);
                fd_ = -1;
                return;
            }
            if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
                other_ = errno == EWOULDBLOCK;
                holder_ = other_ ? HolderText(fd_) : std::string();
                return;
            }
            if (!removeAtEnd || SameFile(fd_, path))
                break;
            // The holder before removed the file between our open and our lock: take the new one.
            ::close(fd_);
            fd_ = -1;
        }
        if (fd_ < 0)
            return;
        path_ = removeAtEnd ? path : std::string();
        const std::string me = std::to_string(::getpid()) + " " + ProgramName() + "\n";
        if (::fchmod(fd_, mode) != 0 || ::ftruncate(fd_, 0) != 0 ||
            ::pwrite(fd_, me.data(), me.size(), 0) < 0)
            return; // the lock holds all the same; only the holder's name is missing
    }
    ~FileInstanceLock() override {
        if (!path_.empty() && !other_)
            ::unlink(path_.c_str()); // still locked: a newcomer that opened it sees it gone and retries
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool AnotherCopyRunning() const override { return other_; }
    std::string Holder() const override { return holder_; }
    std::string Problem() const override { return problem_; }

    // Whether a copy of another user holds `path` (a lock this process cannot take itself).
    void LookAtOthers(const std::string& path) {
        if (other_)
            return;
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
        if (fd < 0)
            return;
        if (::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
            other_ = true;
            holder_ = HolderText(fd);
        }
        ::close(fd); // also drops a shared lock taken just now
    }

private:
    static bool SameFile(int fd, const std::string& path) {
        struct stat held {};
        struct stat named {};
        return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
               held.st_ino == named.st_ino;
    }

    int fd_ = -1;
    bool other_ = false;
    std::string holder_;
    std::string problem_;
    std::string path_; // removed at the end when set
};

// A lock that could not be taken for a reason to tell.
class RefusedLock final : public InstanceLock {
public:
    explicit RefusedLock(std::string problem) : problem_(std::move(problem)) {}
    bool AnotherCopyRunning() const override { return false; }
    std::string Problem() const override { return problem_; }

private:
    std::string problem_;
};

std::string LockFileName(const std::string& key) {
    uint32_t hash = 2166136261u; // FNV-1a
    std::string name = "tavrel-";
    for (char c : key) {
        hash = (hash ^ static_cast<uint8_t>(c)) * 16777619u;
        const bool plain = std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-';
        name += plain ? c : '_';
    }
    char tail[16];
    std::snprintf(tail, sizeof tail, "-%08x.lock", hash);
    return name + tail;
}

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t stopKeepsRestartFile = 0;
volatile std::sig_atomic_t reloadRequested = 0;

// The pipe an event loop waits on: the handler writes a byte into it.
int stopPipe[2] = {-1, -1};

void OnStopSignal(int signal) {
    stopRequested = 1;
    if (signal != SIGINT)
        stopKeepsRestartFile = 1;
    if (stopPipe[1] >= 0) {
        const int savedErrno = errno;
        const char byte = 1;
        [[maybe_unused]] const ssize_t n = ::write(stopPipe[1], &byte, 1); // full: already readable
        errno = savedErrno;
    }
}

void OnReloadSignal(int) {
    reloadRequested = 1;
}

} // namespace

std::string MachineLockPath(const std::string& key, uid_t euid, const std::string& runtimeDir,
                            const std::string& rootFolder) {
    if (euid == 0)
        return RootMachineLockPath(key, rootFolder);
    if (!runtimeDir.empty() && runtimeDir[0] == '/')
        return runtimeDir + "/" + LockFileName(key);
    return "/tmp/tavrel-" + std::to_string(euid) + "-" + LockFileName(key).substr(7);
}

std::string RootMachineLockPath(const std::string& key, const std::string& rootFolder) {
    return rootFolder + "/" + LockFileName(key);
}

std::string PrepareRootLockFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0755) == 0)
        ::chmod(folder.c_str(), 0755); // the umask may have taken the others' read bits
    struct stat st {};
    if (::lstat(folder.c_str(), &st) != 0)
        return "the lock folder " + folder + " cannot be made: " + std::strerror(errno);
    if (!S_ISDIR(st.st_mode))
        return "the lock folder " + folder + " is not a folder";
    if (st.st_uid != 0 || (st.st_mode & 022) != 0)
        return "the lock folder " + folder + " may be written by others than root";
    return {};
}

std::unique_ptr<InstanceLock> AcquireMachineLockAt(const std::string& key, uid_t euid,
                                                   const std::string& runtimeDir,
                                                   const std::string& rootFolder) {
    const std::string path = MachineLockPath(key, euid, runtimeDir, rootFolder);
    if (euid == 0) {
        if (std::string problem = PrepareRootLockFolder(rootFolder); !problem.empty())
            return std::make_unique<RefusedLock>(std::move(problem));
    }
    // Readable by all: another user's window sees who holds the board.
    auto lock = std::make_unique<FileInstanceLock>(path, true, 0644);
    if (euid != 0)
        lock->LookAtOthers(RootMachineLockPath(key, rootFolder));
    return lock;
}

std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& home) {
    return std::make_unique<FileInstanceLock>(home + "/tavrel.lock", false, 0600);
}

std::unique_ptr<InstanceLock> AcquireMachineLock(const std::string& key, const std::string& rootFolder) {
    return AcquireMachineLockAt(key, ::geteuid(), EnvironmentValue("XDG_RUNTIME_DIR").value_or(""),
                                rootFolder.empty() ? std::string(kRootLockFolder) : rootFolder);
}

std::string OsFamilyText() {
    return "XP";
}

bool StartCommandLine(const std::string& commandLine, std::string& error) {
    // Split the way Windows splits it and start the program itself: no shell ever reads the line.
    std::vector<std::string> args = SplitWindowsCommandLine(commandLine);
    if (args.empty() || args[0].empty()) {
        error = "no program named";
        return false;
    }
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    // A bare name is looked for along PATH, as Windows looks for one.
    const int e = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
    if (e != 0) {
        error = std::strerror(e);
        return false;
    }
    return true;
}

void InstallStopRequestHandlers() {
    if (stopPipe[0] < 0 && ::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        stopPipe[0] = stopPipe[1] = -1;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

bool StopRequested() {
    return stopRequested != 0;
}

bool StopKeepsRestartFile() {
    return stopKeepsRestartFile != 0;
}

int StopRequestDescriptor() {
    return stopPipe[0];
}

void InstallReloadRequestHandler() {
    struct sigaction action {};
    action.sa_handler = OnReloadSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGHUP, &action, nullptr);
}

bool TakeReloadRequest() {
    if (reloadRequested == 0)
        return false;
    reloadRequested = 0;
    return true;
}

} // namespace tavrel
