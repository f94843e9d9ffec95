#include "platform/system_folders.h"

#include <windows.h>

namespace tavrel {

namespace {

std::string ExecutablePath() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return std::string(buffer, n);
}

class WindowsSystemFolders final : public SystemFolders {
public:
    std::string SystemDirectoryText() const override {
        char buffer[1024] = {};
        const UINT n = GetSystemDirectoryA(buffer, sizeof buffer);
        return std::string(buffer, n < sizeof buffer ? n : 0);
    }
    std::string WindowsDirectoryText() const override {
        char buffer[1024] = {};
        const UINT n = GetWindowsDirectoryA(buffer, sizeof buffer);
        return std::string(buffer, n < sizeof buffer ? n : 0);
    }
    std::string ProgramDirectory() const override {
        const std::string path = ExecutablePath();
        const size_t slash = path.find_last_of("\\/");
        return slash == std::string::npos ? std::string() : path.substr(0, slash);
    }
    std::string ProgramName() const override {
        const std::string path = ExecutablePath();
        const size_t slash = path.find_last_of("\\/");
        std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        const size_t dot = name.find_last_of('.');
        return dot == std::string::npos ? name : name.substr(0, dot);
    }
    std::string ProgramPath() const override { return ProgramDirectory() + "\\" + ProgramName(); }
    bool FileExists(const std::string& path) const override {
        const DWORD attributes = GetFileAttributesA(path.c_str());
        return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    }
    bool CopyFileOver(const std::string& from, const std::string& to) override {
        return ::CopyFileA(from.c_str(), to.c_str(), FALSE) != 0;
    }
};

} // namespace

std::unique_ptr<SystemFolders> MakeSystemFolders(const DriveMap&) {
    return std::make_unique<WindowsSystemFolders>();
}

} // namespace tavrel
