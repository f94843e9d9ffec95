#include "platform/serial_api.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace tavrel {

namespace {

struct BaudEntry {
    uint32_t baud;
    speed_t speed;
};
constexpr BaudEntry kBauds[] = {{110, B110},     {300, B300},     {600, B600},      {1200, B1200},
                                {2400, B2400},   {4800, B4800},   {9600, B9600},    {19200, B19200},
                                {38400, B38400}, {57600, B57600}, {115200, B115200}};

// termios behind the Win32-shaped calls. A handle is a file descriptor.
class PosixSerialApi final : public SerialApi {
public:
    explicit PosixSerialApi(std::string home) : home_(std::move(home)) {}

    CommHandle OpenPort(const std::string& name) override {
        const std::string device = DevicePath(name);
        const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            return Fail(errno);
        // No sharing: a lock between processes that honour it, and the terminal's exclusive mode.
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return Fail(EBUSY);
        }
        if (::ioctl(fd, TIOCEXCL) != 0) {
            const int e = errno;
            ::close(fd);
            return Fail(e);
        }
        return fd;
    }

    bool SetupQueues(CommHandle h, uint32_t, uint32_t) override {
        // The kernel keeps its own queues; the call only checks the handle.
        termios t{};
        return Check(::tcgetattr(Fd(h), &t));
    }

    bool Purge(CommHandle h, uint32_t flags) override {
        const bool tx = (flags & 0x5) != 0; // PURGE_TXABORT | PURGE_TXCLEAR
        const bool rx = (flags & 0xA) != 0; // PURGE_RXABORT | PURGE_RXCLEAR
        const int which = tx && rx ? TCIOFLUSH : tx ? TCOFLUSH : TCIFLUSH;
        return Check(::tcflush(Fd(h), which));
    }

    bool SetTimeouts(CommHandle h, const CommTimeouts&) override {
        // Reads return at once with what is there, which is what the callers ask for.
        termios t{};
        if (!Check(::tcgetattr(Fd(h), &t)))
            return false;
        t.c_cc[VMIN] = 0;
        t.c_cc[VTIME] = 0;
        return Check(::tcsetattr(Fd(h), TCSANOW, &t));
    }

    bool GetState(CommHandle h, CommDcb& dcb) override {
        termios t{};
        if (!Check(::tcgetattr(Fd(h), &t)))
            return false;
        const speed_t speed = cfgetospeed(&t);
        for (const BaudEntry& e : kBauds)
            if (e.speed == speed)
                dcb.baudRate = e.baud;
        switch (t.c_cflag & CSIZE) {
        case CS5:
            dcb.byteSize = 5;
            break;
        case CS6:
            dcb.byteSize = 6;
            break;
        case CS7:
            dcb.byteSize = 7;
            break;
        default:
            dcb.byteSize = 8;
        }
        dcb.parity = (t.c_cflag & PARENB) == 0 ? 'N' : (t.c_cflag & PARODD) != 0 ? 'O' : 'E';
        dcb.stopBits = (t.c_cflag & CSTOPB) != 0 ? 2 : 1;
        return true;
    }

    bool BuildDcb(const std::string& mode, CommDcb& dcb) override {
        if (ParseCommMode(mode, dcb))
            return true;
        lastError_ = EINVAL;
        return false;
    }

    bool SetState(CommHandle h, const CommDcb& dcb) override {
        termios t{};
        if (!Check(::tcgetattr(Fd(h), &t)))
            return false;
        speed_t speed = 0;
        for (const BaudEntry& e : kBauds)
            if (e.baud == dcb.baudRate)
                speed = e.speed;
        if (speed == 0 || dcb.parity == 'M' || dcb.parity == 'S') {
            lastError_ = EINVAL;
            return false;
        }
        cfmakeraw(&t);
        t.c_cflag |= CLOCAL | CREAD;
        t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
        static const tcflag_t kSizes[] = {CS5, CS6, CS7, CS8};
        t.c_cflag |= kSizes[dcb.byteSize - 5];
        if (dcb.parity != 'N')
            t.c_cflag |= PARENB | (dcb.parity == 'O' ? PARODD : 0);
        if (dcb.stopBits != 1)
            t.c_cflag |= CSTOPB;
        cfsetispeed(&t, speed);
        cfsetospeed(&t, speed);
        return Check(::tcsetattr(Fd(h), TCSANOW, &t));
    }

    bool Escape(CommHandle h, uint32_t code) override {
        int bits = 0;
        switch (code) {
        case kSetRts:
        case kClrRts:
            bits = TIOCM_RTS;
            break;
        case kSetDtr:
        case kClrDtr:
            bits = TIOCM_DTR;
            break;
        case kSetBreak:
            return Check(::ioctl(Fd(h), TIOCSBRK));
        case kClrBreak:
            return Check(::ioctl(Fd(h), TIOCCBRK));
        default:
            lastError_ = EINVAL;
            return false;
        }
        const bool set = code == kSetRts || code == kSetDtr;
        return Check(::ioctl(Fd(h), set ? TIOCMBIS : TIOCMBIC, &bits));
    }

    bool ClosePort(CommHandle h) override {
        ::ioctl(Fd(h), TIOCNXCL);
        return Check(::close(Fd(h)));
    }

    uint32_t LastError() const override { return lastError_; }

    std::string ErrorText(uint32_t number) const override {
        char buffer[256] = {};
        // The GNU strerror_r returns the text, which may or may not be in `buffer`.
        const char* text = strerror_r(static_cast<int>(number), buffer, sizeof buffer);
        return text != nullptr ? std::string(text) : std::string();
    }

    std::string DeviceName(const std::string& name) const override {
        const std::string path = DevicePath(name);
        char resolved[PATH_MAX];
        return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
    }

private:
    static int Fd(CommHandle h) { return static_cast<int>(h); }

    CommHandle Fail(int error) {
        lastError_ = static_cast<uint32_t>(error);
        return kInvalidCommHandle;
    }

    bool Check(int result) {
        if (result == 0)
            return true;
        lastError_ = static_cast<uint32_t>(errno);
        return false;
    }

    // "COMn" is the user's link TAVREL_HOME/dosdevices/comn when there is one, else /dev/ttyS(n-1).
    std::string DevicePath(const std::string& name) const {
        if (name.size() > 3 && (name[0] == 'C' || name[0] == 'c') && (name[1] == 'O' || name[1] == 'o') &&
            (name[2] == 'M' || name[2] == 'm')) {
            int n = 0;
            for (size_t i = 3; i < name.size(); ++i) {
                if (!std::isdigit(static_cast<unsigned char>(name[i])) || n > 255)
                    return name;
                n = n * 10 + (name[i] - '0');
            }
            if (n < 1)
                return name;
            const std::string link = home_ + "/dosdevices/com" + std::to_string(n);
            struct stat st {};
            if (::lstat(link.c_str(), &st) == 0)
                return link;
            return "/dev/ttyS" + std::to_string(n - 1);
        }
        return name;
    }

    std::string home_;
    uint32_t lastError_ = 0;
};

} // namespace

std::unique_ptr<SerialApi> MakeSystemSerialApi(const std::string& home) {
    return std::make_unique<PosixSerialApi>(home);
}

} // namespace tavrel
