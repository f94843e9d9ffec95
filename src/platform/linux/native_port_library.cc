#include "platform/port_library.h"

#include <array>
#include <fcntl.h>
#include <unistd.h>
#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define TAVREL_HAVE_PORT_INSTRUCTIONS 1
#endif

namespace tavrel {

namespace {

constexpr int32_t kPortCount = 65536;
// A harmless port (the POST diagnostic port) for asking whether ioperm is allowed at all: it is
// granted and given back at once, never read or written.
constexpr int32_t kProbePort = 0x80;

// Port access on Linux: the in/out instructions on the ports granted by ioperm where the processor has
// them and the process may have them (CAP_SYS_RAWIO, no kernel lockdown); else the kernel's /dev/port.
// Either way only the ports asked for with OpenPortRange are read or written: a port outside them
// reads as 0 and is not written (an inb outside the granted ports would end the process).
class NativePortLibrary final : public PortLibrary {
public:
    ~NativePortLibrary() override { ShutdownWinIo(); }

    bool InitializeWinIo() override {
        if (mode_ != Mode::Closed)
            return true;
        if (Grant(kProbePort, 1, true)) {
            Grant(kProbePort, 1, false);
            mode_ = Mode::Instructions;
            GrantHeldPorts();
            return true;
        }
        fd_ = ::open("/dev/port", O_RDWR | O_CLOEXEC);
        if (fd_ >= 0) {
            mode_ = Mode::DevPort;
            return true;
        }
        return false;
    }

    bool ShutdownWinIo() override {
        if (mode_ == Mode::Instructions)
            Grant(0, kPortCount, false);
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        mode_ = Mode::Closed;
        return true;
    }

    bool OpenPortRange(int32_t first, int32_t count) override {
        if (!InSpace(first, count))
            return false;
        if (mode_ == Mode::Instructions && !Grant(first, count, true))
            return false;
        for (int32_t port = first; port < first + count; ++port)
            ++held_[static_cast<size_t>(port)];
        return true;
    }

    void ClosePortRange(int32_t first, int32_t count) override {
        if (!InSpace(first, count))
            return;
        for (int32_t port = first; port < first + count; ++port) {
            uint16_t& holders = held_[static_cast<size_t>(port)];
            if (holders > 0 && --holders == 0 && mode_ == Mode::Instructions)
                Grant(port, 1, false);
        }
    }

    bool GetPortVal(int32_t port, uint32_t& value, uint8_t size) override {
        value = 0;
        if (!Held(port) || size != 1)
            return false;
        uint8_t byte = 0;
        if (mode_ == Mode::Instructions)
            byte = In(port);
        else if (mode_ != Mode::DevPort || ::pread(fd_, &byte, 1, port) != 1)
            return false;
        value = byte;
        return true;
    }

    bool SetPortVal(int32_t port, uint32_t value, uint8_t size) override {
        if (!Held(port) || size != 1)
            return false;
        const auto byte = static_cast<uint8_t>(value);
        if (mode_ == Mode::Instructions) {
            Out(port, byte);
            return true;
        }
        return mode_ == Mode::DevPort && ::pwrite(fd_, &byte, 1, port) == 1;
    }

    bool NeedsLibraryFiles() const override { return false; }

private:
    enum class Mode { Closed, Instructions, DevPort };

    static bool InSpace(int32_t first, int32_t count) {
        return first >= 0 && count > 0 && count <= kPortCount - first;
    }
    bool Held(int32_t port) const {
        return port >= 0 && port < kPortCount && held_[static_cast<size_t>(port)] > 0;
    }
    // Ranges asked for before the library was opened.
    void GrantHeldPorts() {
        for (int32_t port = 0; port < kPortCount; ++port)
            if (held_[static_cast<size_t>(port)] > 0)
                Grant(port, 1, true);
    }

#ifdef TAVREL_HAVE_PORT_INSTRUCTIONS
    static bool Grant(int32_t first, int32_t count, bool on) {
        return ::ioperm(static_cast<unsigned long>(first), static_cast<unsigned long>(count), on ? 1 : 0) ==
               0;
    }
    static uint8_t In(int32_t port) {
        return ::inb(static_cast<unsigned short>(port));
    }
    static void Out(int32_t port, uint8_t byte) {
        ::outb(byte, static_cast<unsigned short>(port));
    }
#else
    static bool Grant(int32_t, int32_t, bool) {
        return false;
    }
    static uint8_t In(int32_t) {
        return 0;
    }
    static void Out(int32_t, uint8_t) {}
#endif

    Mode mode_ = Mode::Closed;
    int fd_ = -1;
    std::array<uint16_t, kPortCount> held_{};
};

} // namespace

std::unique_ptr<PortLibrary> MakeNativePortLibrary() {
    return std::make_unique<NativePortLibrary>();
}

} // namespace tavrel
