#pragma once
// Opens and closes the port library, reads and writes single port bytes, installs its driver files.

#include "platform/message_box.h"
#include "platform/port_library.h"
#include "platform/system_folders.h"

#include <cstdint>
#include <string>

namespace tavrel {

class PortAccess {
public:
    PortAccess(PortLibrary& library, SystemFolders& folders, MessageBoxes& boxes)
        : library_(library), folders_(folders), boxes_(boxes) {}

    // False when already open, or (after one retry and the failure message) when the library cannot start.
    bool OpenPortLibrary();
    bool ClosePortLibrary();
    // The ports a board or the listing is about to use, and their release (see PortLibrary).
    bool OpenPortRange(int32_t first, int32_t count) { return library_.OpenPortRange(first, count); }
    void ClosePortRange(int32_t first, int32_t count) { library_.ClosePortRange(first, count); }
    uint8_t ReadPortByte(int32_t address);
    void WritePortByte(int32_t address, uint8_t byte);
    // True when the library's driver files are in the system directory after copying any that were missing.
    bool InstallPortLibraryFiles();
    std::string SystemDirectory() const;
    std::string WindowsDirectory() const;

    bool PortLibraryReady() const { return ready_; }

private:
    PortLibrary& library_;
    SystemFolders& folders_;
    MessageBoxes& boxes_;
    bool ready_ = false;
};

// The message shown when the library files could not be installed.
void ShowPortLibraryFilesMissing(MessageBoxes& boxes);

} // namespace tavrel
