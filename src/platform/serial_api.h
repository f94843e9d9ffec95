#pragma once
// Serial devices, shaped like the Win32 communications calls: open exclusively, set queues, purge,
// time-outs and the line mode, raise and lower the control lines, close; errors as numbers with texts.

#include <cstdint>
#include <memory>
#include <string>

namespace tavrel {

using CommHandle = intptr_t;
constexpr CommHandle kInvalidCommHandle = -1;

// The line settings that matter here (the platform's device control block).
struct CommDcb {
    uint32_t baudRate = 9600;
    uint8_t byteSize = 8;
    char parity = 'N';    // N, E, O, M, S
    uint8_t stopBits = 1; // 1, 15 (1.5) or 2
};

struct CommTimeouts {
    uint32_t readIntervalTimeout = 0;
    uint32_t readTotalTimeoutMultiplier = 0;
    uint32_t readTotalTimeoutConstant = 0;
    uint32_t writeTotalTimeoutMultiplier = 0;
    uint32_t writeTotalTimeoutConstant = 0;
};

// EscapeCommFunction codes.
constexpr uint32_t kSetRts = 3;
constexpr uint32_t kClrRts = 4;
constexpr uint32_t kSetDtr = 5;
constexpr uint32_t kClrDtr = 6;
constexpr uint32_t kSetBreak = 8;
constexpr uint32_t kClrBreak = 9;

class SerialApi {
public:
    virtual ~SerialApi() = default;
    // `name` is "COMn"; opened for reading and writing, shared with no one.
    virtual CommHandle OpenPort(const std::string& name) = 0;
    virtual bool SetupQueues(CommHandle h, uint32_t inQueue, uint32_t outQueue) = 0;
    virtual bool Purge(CommHandle h, uint32_t flags) = 0;
    virtual bool SetTimeouts(CommHandle h, const CommTimeouts& timeouts) = 0;
    virtual bool GetState(CommHandle h, CommDcb& dcb) = 0;
    // Fills `dcb` from a mode text such as "baud=9600 parity=N data=8 stop=1".
    virtual bool BuildDcb(const std::string& mode, CommDcb& dcb) = 0;
    virtual bool SetState(CommHandle h, const CommDcb& dcb) = 0;
    virtual bool Escape(CommHandle h, uint32_t code) = 0;
    virtual bool ClosePort(CommHandle h) = 0;
    // The error number of the last failed call of this thread.
    virtual uint32_t LastError() const = 0;
    virtual std::string ErrorText(uint32_t number) const = 0;
    // The device behind "COMn", the same for every program of the machine that reaches it (links
    // resolved), for a lock shared by them.
    virtual std::string DeviceName(const std::string& name) const { return name; }
};

// Win32 on Windows; termios on Linux, where "COMn" is `home`/dosdevices/comn or else /dev/ttyS(n-1).
std::unique_ptr<SerialApi> MakeSystemSerialApi(const std::string& home);

// Parses a mode text the way BuildCommDCB does ("baud=9600 parity=N data=8 stop=1", or "9600,n,8,1");
// false, with `dcb` untouched, for a text it cannot read.
bool ParseCommMode(const std::string& mode, CommDcb& dcb);

} // namespace tavrel
