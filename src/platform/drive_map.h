#pragma once
// Turns Windows paths ("c:\TVRestart.run") into paths of this machine.

#include <string>
#include <string_view>

namespace tavrel {

// On Linux, drives live under `home`/dosdevices the way Wine keeps them: "c:" is a link to `home`/drive_c,
// made (its user's alone) on first use and again whenever it has gone missing; other letters are links
// the user makes. Backslashes become slashes.
// On Windows a path is used as it stands.
class DriveMap {
public:
    explicit DriveMap(std::string home) : home_(std::move(home)) {}
    std::string Map(std::string_view windowsPath) const;
    const std::string& Home() const { return home_; }

private:
    // Makes drive_c and the "c:" link when missing; true when "c:" leads to a folder.
    bool DriveCReady() const;

    std::string home_;
};

} // namespace tavrel
