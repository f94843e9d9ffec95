#pragma once
// Turns Windows paths ("c:\TVRestart.run") into paths of this machine.

#include <string>
#include <string_view>

namespace tavrel {

// On Linux, drives live under `home`/dosdevices the way Wine keeps them: "c:" is a link to `home`/drive_c,
// made on first use; other letters are links the user makes. Backslashes become slashes.
// On Windows a path is used as it stands.
class DriveMap {
public:
    explicit DriveMap(std::string home) : home_(std::move(home)) {}
    std::string Map(std::string_view windowsPath) const;
    const std::string& Home() const { return home_; }

private:
    std::string home_;
    mutable bool driveCReady_ = false;
};

} // namespace tavrel
