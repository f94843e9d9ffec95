#include "platform/serial_api.h"

#include <windows.h>

namespace tavrel {

namespace {

HANDLE H(CommHandle h) {
    return reinterpret_cast<HANDLE>(h);
}

class Win32SerialApi final : public SerialApi {
public:
    CommHandle OpenPort(const std::string& name) override {
        // The device namespace reaches COM10 and above as well.
        const std::string path = name.rfind("\\\\.\\", 0) == 0 ? name : "\\\\.\\" + name;
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        return h == INVALID_HANDLE_VALUE ? kInvalidCommHandle : reinterpret_cast<CommHandle>(h);
    }
    bool SetupQueues(CommHandle h, uint32_t in, uint32_t out) override {
        return SetupComm(H(h), in, out) != 0;
    }
    bool Purge(CommHandle h, uint32_t flags) override { return PurgeComm(H(h), flags) != 0; }
    bool SetTimeouts(CommHandle h, const CommTimeouts& t) override {
        COMMTIMEOUTS ct{t.readIntervalTimeout, t.readTotalTimeoutMultiplier, t.readTotalTimeoutConstant,
                        t.writeTotalTimeoutMultiplier, t.writeTotalTimeoutConstant};
        return SetCommTimeouts(H(h), &ct) != 0;
    }
    bool GetState(CommHandle h, CommDcb& dcb) override {
        dcb_.DCBlength = sizeof dcb_;
        if (GetCommState(H(h), &dcb_) == 0)
            return false;
        FromDcb(dcb);
        return true;
    }
    bool BuildDcb(const std::string& mode, CommDcb& dcb) override {
        dcb_.DCBlength = sizeof dcb_;
        if (BuildCommDCBA(mode.c_str(), &dcb_) == 0)
            return false;
        FromDcb(dcb);
        return true;
    }
    bool SetState(CommHandle h, const CommDcb&) override {
        // The full block from GetState and BuildDcb, with every field the system keeps.
        return SetCommState(H(h), &dcb_) != 0;
    }
    bool Escape(CommHandle h, uint32_t code) override { return EscapeCommFunction(H(h), code) != 0; }
    bool ClosePort(CommHandle h) override { return CloseHandle(H(h)) != 0; }
    uint32_t LastError() const override { return GetLastError(); }
    std::string ErrorText(uint32_t number) const override {
        char buffer[256] = {};
        const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                       number, 0, buffer, sizeof buffer - 1, nullptr);
        return std::string(buffer, n);
    }

private:
    void FromDcb(CommDcb& dcb) const {
        dcb.baudRate = dcb_.BaudRate;
        dcb.byteSize = dcb_.ByteSize;
        static const char kParity[] = "NOEMS";
        dcb.parity = dcb_.Parity < 5 ? kParity[dcb_.Parity] : 'N';
        dcb.stopBits = dcb_.StopBits == ONESTOPBIT ? 1 : dcb_.StopBits == TWOSTOPBITS ? 2 : 15;
    }

    DCB dcb_{};
};

} // namespace

std::unique_ptr<SerialApi> MakeSystemSerialApi(const std::string&) {
    return std::make_unique<Win32SerialApi>();
}

} // namespace tavrel
