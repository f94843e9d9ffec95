#pragma once
// The system's folders, the program's own folder and name, and the file calls that work on them.

#include <memory>
#include <string>

namespace tavrel {

class DriveMap;

class SystemFolders {
public:
    virtual ~SystemFolders() = default;
    // As GetSystemDirectoryA / GetWindowsDirectoryA return them (Windows paths).
    virtual std::string SystemDirectoryText() const = 0;
    virtual std::string WindowsDirectoryText() const = 0;
    // The folder of the running executable (with no trailing separator) and its name without extension.
    virtual std::string ProgramDirectory() const = 0;
    virtual std::string ProgramName() const = 0;
    // The folder and the name joined with the system's separator.
    virtual std::string ProgramPath() const = 0;
    // On Windows paths.
    virtual bool FileExists(const std::string& windowsPath) const = 0;
    virtual bool CopyFileOver(const std::string& fromWindowsPath, const std::string& toWindowsPath) = 0;
};

// The running system's folders; on Linux the Windows folders are those of the drive map.
std::unique_ptr<SystemFolders> MakeSystemFolders(const DriveMap& drives);

} // namespace tavrel
