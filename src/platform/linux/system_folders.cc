#include "platform/system_folders.h"

#include "platform/drive_map.h"

#include <filesystem>
#include <unistd.h>

namespace tavrel {

namespace {

std::string ExecutablePath() {
    char buffer[4096];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    return n > 0 ? std::string(buffer, static_cast<size_t>(n)) : std::string();
}

class LinuxSystemFolders final : public SystemFolders {
public:
    explicit LinuxSystemFolders(const DriveMap& drives) : drives_(drives) {}

    std::string SystemDirectoryText() const override { return "C:\\windows\\system32"; }
    std::string WindowsDirectoryText() const override { return "C:\\windows"; }
    std::string ProgramDirectory() const override {
        return std::filesystem::path(ExecutablePath()).parent_path().string();
    }
    std::string ProgramName() const override {
        return std::filesystem::path(ExecutablePath()).stem().string();
    }
    std::string ProgramPath() const override { return ProgramDirectory() + "/" + ProgramName(); }
    bool FileExists(const std::string& windowsPath) const override {
        std::error_code ec;
        return std::filesystem::is_regular_file(drives_.Map(windowsPath), ec);
    }
    bool CopyFileOver(const std::string& from, const std::string& to) override {
        std::error_code ec;
        return std::filesystem::copy_file(drives_.Map(from), drives_.Map(to),
                                          std::filesystem::copy_options::overwrite_existing, ec);
    }

private:
    const DriveMap& drives_;
};

} // namespace

std::unique_ptr<SystemFolders> MakeSystemFolders(const DriveMap& drives) {
    return std::make_unique<LinuxSystemFolders>(drives);
}

} // namespace tavrel
