#pragma once
// System folders and files held in memory.

#include "platform/system_folders.h"

#include <set>
#include <string>
#include <vector>

namespace tavrel::test {

class FakeSystemFolders final : public SystemFolders {
public:
    std::string systemDirectory = "C:\\WINDOWS\\system32";
    std::string windowsDirectory = "C:\\WINDOWS";
    std::string programDirectory = "C:\\Program Files\\Tavrel";
    std::string programName = "tavrel";
    std::set<std::string> files;
    std::vector<std::string> copies;

    std::string SystemDirectoryText() const override { return systemDirectory; }
    std::string WindowsDirectoryText() const override { return windowsDirectory; }
    std::string ProgramDirectory() const override { return programDirectory; }
    std::string ProgramName() const override { return programName; }
    std::string ProgramPath() const override { return programDirectory + "\\" + programName; }
    bool FileExists(const std::string& path) const override { return files.count(path) != 0; }
    bool CopyFileOver(const std::string& from, const std::string& to) override {
        copies.push_back(from + " -> " + to);
        if (files.count(from) == 0)
            return false;
        files.insert(to);
        return true;
    }
};

} // namespace tavrel::test
