#include "boardio/port_access.h"

#include <array>

namespace tavrel {

namespace {

const std::array<const char*, 3> kLibraryFiles{"winio.sys", "winio.dll", "winio.vxd"};

std::string WithBackslash(std::string folder) {
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}

} // namespace

bool PortAccess::OpenPortLibrary() {
    if (ready_)
        return false;
    if (!library_.InitializeWinIo()) {
        library_.ShutdownWinIo();
        if (!library_.InitializeWinIo()) {
            library_.ShutdownWinIo();
            ready_ = false;
            boxes_.Tell(MsgIcon::Error, "Tavrel, WinIO Initialize",
                        {"Whoops ! There is a problem with InitializeWinIo.",
                         "Tavrel can only be run by Users with Administrative Privilages", "",
                         "Only ONE Copy/Instance of Tavrel can run at a time", "",
                         "Tavrel can be installed for more then one User, ",
                         "however each install must be to the same Program Directory",
                         "and Only ONE User may use Tavrel at a time.",
                         "  (Subject to change in future releases)", "", "      Tavrel will Now Exit"});
            return false;
        }
    }
    ready_ = true;
    return true;
}

bool PortAccess::ClosePortLibrary() {
    if (ready_ && !library_.ShutdownWinIo())
        boxes_.Tell(MsgIcon::Error, "Tavrel, WinIO ShutDown",
                    {"Whoops ! There is a problem with ShutDownWinIo.", "      Tavrel will Now Exit"});
    ready_ = false;
    return true;
}

uint8_t PortAccess::ReadPortByte(int32_t address) {
    uint32_t value = 0;
    if (!library_.GetPortVal(address, value, 1))
        value = 0;
    return static_cast<uint8_t>(value & 0xFF);
}

void PortAccess::WritePortByte(int32_t address, uint8_t byte) {
    library_.SetPortVal(address, byte, 1);
}

std::string PortAccess::SystemDirectory() const {
    return WithBackslash(folders_.SystemDirectoryText());
}

std::string PortAccess::WindowsDirectory() const {
    return WithBackslash(folders_.WindowsDirectoryText());
}

bool PortAccess::InstallPortLibraryFiles() {
    // Ports reached without WinIo need no driver files.
    if (!library_.NeedsLibraryFiles())
        return true;
    const std::string system = SystemDirectory();
    const std::string program = WithBackslash(folders_.ProgramDirectory());
    for (const char* file : kLibraryFiles)
        if (!folders_.FileExists(system + file) && folders_.FileExists(program + file))
            folders_.CopyFileOver(program + file, system + file);
    for (const char* file : kLibraryFiles)
        if (!folders_.FileExists(system + file))
            return false;
    return true;
}

void ShowPortLibraryFilesMissing(MessageBoxes& boxes) {
    boxes.Tell(MsgIcon::Information, "User Action Required",
               {"Tavrel was unable to copy files", "", "Please copy", "   WinIO.sys", "   WinIO.dll",
                "   WinIO.VXD to your 'Windows System Directory'       (example, c:\\windows\\system32)   "});
}

} // namespace tavrel
