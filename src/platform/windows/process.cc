#include "platform/process.h"

#include <atomic>
#include <windows.h>

namespace tavrel {

namespace {

class MutexInstanceLock final : public InstanceLock {
public:
    explicit MutexInstanceLock(const std::string& name) {
        mutex_ = CreateMutexA(nullptr, FALSE, name.c_str());
        other_ = mutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    ~MutexInstanceLock() override {
        if (mutex_ != nullptr)
            CloseHandle(mutex_);
    }
    bool AnotherCopyRunning() const override { return other_; }

private:
    HANDLE mutex_ = nullptr;
    bool other_ = false;
};

std::atomic<bool> stopRequested{false};
std::atomic<bool> stopKeepsRestartFile{false};

BOOL WINAPI OnConsoleEvent(DWORD event) {
    stopRequested = true;
    if (event != CTRL_C_EVENT && event != CTRL_BREAK_EVENT)
        stopKeepsRestartFile = true;
    return TRUE;
}

} // namespace

std::unique_ptr<InstanceLock> AcquireInstanceLock(const std::string&) {
    return std::make_unique<MutexInstanceLock>("Local\\TavrelScheduler");
}

std::unique_ptr<InstanceLock> AcquireMachineLock(const std::string& key, const std::string&) {
    // Object names may not hold a backslash; the rest of the key is kept as it is.
    std::string name = "Global\\TavrelBoard-";
    for (char c : key)
        name += c == '\\' ? '/' : c;
    return std::make_unique<MutexInstanceLock>(name);
}

std::string OsFamilyText() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    GetVersionExA(&info);
#pragma GCC diagnostic pop
    if (info.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        return "9x";
    if (info.dwMajorVersion < 5)
        return "NT";
    if (info.dwMajorVersion == 5 && info.dwMinorVersion == 0)
        return "2k";
    return "XP";
}

bool StartCommandLine(const std::string& commandLine, std::string& error) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string copy = commandLine;
    if (!CreateProcessA(nullptr, copy.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr, nullptr,
                        &startup, &process)) {
        error = "CreateProcess error = " + std::to_string(GetLastError());
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void InstallStopRequestHandlers() {
    SetConsoleCtrlHandler(OnConsoleEvent, TRUE);
}

bool StopRequested() {
    return stopRequested;
}

bool StopKeepsRestartFile() {
    return stopKeepsRestartFile;
}

int StopRequestDescriptor() {
    return -1; // console events come on a thread of their own: the window polls
}

void InstallReloadRequestHandler() {}

bool TakeReloadRequest() {
    return false;
}

} // namespace tavrel
