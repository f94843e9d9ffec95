#include "platform/process.h"

#include "platform/command_line.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace tavrel {

namespace {

class FileInstanceLock final : public InstanceLock {
public:
    explicit FileInstanceLock(const std::string& path) {
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        other_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    }
    ~FileInstanceLock() override {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool AnotherCopyRunning() const override { return other_; }

private:
    int fd_ = -1;
    bool other_ = false;
};

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t stopKeepsRestartFile = 0;

void OnStopSignal(int signal) {
    stopRequested = 1;
    if (signal != SIGINT)
        stopKeepsRestartFile = 1;
}

} // namespace

std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string& home) {
    return std::make_unique<FileInstanceLock>(home + "/tavrel.lock");
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

} // namespace tavrel
