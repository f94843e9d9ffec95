#pragma once
// Byte access to the PC's I/O ports, shaped like the WinIo library's four calls.

#include "platform/sim_stuck.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace tavrel {

class PortLibrary {
public:
    virtual ~PortLibrary() = default;
    virtual bool InitializeWinIo() = 0;
    virtual bool ShutdownWinIo() = 0;
    // `value` receives the byte in its low 8 bits; `size` is the width in bytes (always 1 here).
    virtual bool GetPortVal(int32_t port, uint32_t& value, uint8_t size) = 0;
    virtual bool SetPortVal(int32_t port, uint32_t value, uint8_t size) = 0;
    // Asks for the ports first .. first + count - 1 before any of them is read or written: the process
    // holds only the ports its boards use (or the listing reads), never the whole space. Requests are
    // counted per port, so one given back with ClosePortRange leaves a port that another request still
    // holds open. False when the system refuses them. Where ports need no asking (WinIo, the simulated
    // space) a request is accepted and changes nothing.
    virtual bool OpenPortRange(int32_t /*first*/, int32_t /*count*/) { return true; }
    virtual void ClosePortRange(int32_t /*first*/, int32_t /*count*/) {}
    // Whether the library's driver files must sit in the Windows system directory.
    virtual bool NeedsLibraryFiles() const = 0;
    // Names the port space for a lock shared by all programs of the machine: two libraries that reach
    // the same ports give the same name.
    virtual std::string SpaceName() const { return "io"; }
};

// The machine's own ports: WinIo.dll on Windows; ioperm or /dev/port on Linux.
std::unique_ptr<PortLibrary> MakeNativePortLibrary();

// A 64 KiB file, byte at offset = port address, read and written in place so that other processes see
// every write at once; a port in `stuck` reads back through its masks.
std::unique_ptr<PortLibrary> MakeSimulatedPortLibrary(const std::string& path,
                                                      std::vector<StuckPort> stuck = {});

// The simulated space when TAVREL_PORTS is "sim" (the file `home`/ports.bin, with the stuck bits of
// TAVREL_SIM_STUCK), else the native ports. A TAVREL_SIM_STUCK that does not read is ignored and
// `problem` says why.
std::unique_ptr<PortLibrary> MakePortLibraryFromEnvironment(const std::string& home, std::string& problem);

} // namespace tavrel
