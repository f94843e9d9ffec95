#include "platform/port_library.h"

#include <fcntl.h>
#include <unistd.h>
#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#define TAVREL_HAVE_PORT_INSTRUCTIONS 1
#endif

namespace tavrel {

namespace {

// Port access on Linux: the in/out instructions after iopl(3) where the processor has them and the
// process may raise its I/O privilege; else the kernel's /dev/port. Both need root.
class NativePortLibrary final : public PortLibrary {
public:
    ~NativePortLibrary() override { ShutdownWinIo(); }

    bool InitializeWinIo() override {
        if (mode_ != Mode::Closed)
            return true;
        if (RaisePrivilege()) {
            mode_ = Mode::Instructions;
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
            DropPrivilege();
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
        mode_ = Mode::Closed;
        return true;
    }

    bool GetPortVal(int32_t port, uint32_t& value, uint8_t size) override {
        value = 0;
        if (port < 0 || port > 0xFFFF || size != 1)
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
        if (port < 0 || port > 0xFFFF || size != 1)
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

#ifdef TAVREL_HAVE_PORT_INSTRUCTIONS
    static bool RaisePrivilege() {
        return ::iopl(3) == 0;
    }
    static void DropPrivilege() {
        ::iopl(0);
    }
    static uint8_t In(int32_t port) {
        return ::inb(static_cast<unsigned short>(port));
    }
    static void Out(int32_t port, uint8_t byte) {
        ::outb(byte, static_cast<unsigned short>(port));
    }
#else
    static bool RaisePrivilege() {
        return false;
    }
    static void DropPrivilege() {}
    static uint8_t In(int32_t) {
        return 0;
    }
    static void Out(int32_t, uint8_t) {}
#endif

    Mode mode_ = Mode::Closed;
    int fd_ = -1;
};

} // namespace

std::unique_ptr<PortLibrary> MakeNativePortLibrary() {
    return std::make_unique<NativePortLibrary>();
}

} // namespace tavrel
