#include "platform/pci_driver.h"

#include <windows.h>

namespace tavrel {

namespace {

class MorvPciDriver final : public PciDriver {
public:
    ~MorvPciDriver() override { Close(); }
    bool Open() override {
        handle_ = CreateFileA("\\\\.\\MORVPCI", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
        return handle_ != INVALID_HANDLE_VALUE;
    }
    bool Request(uint32_t bus, uint32_t devFn, uint8_t* out, uint32_t outSize, uint32_t& returned) override {
        const uint32_t in[2] = {bus & 0xFF, devFn & 0xFF};
        DWORD got = 0;
        const BOOL ok =
            DeviceIoControl(handle_, 0, const_cast<uint32_t*>(in), sizeof in, out, outSize, &got, nullptr);
        returned = got;
        return ok != 0;
    }
    void Close() override {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }
    bool ShortAnswersSeen() const override { return false; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

} // namespace

std::unique_ptr<PciDriver> MakeSystemPciDriver() {
    return std::make_unique<MorvPciDriver>();
}

std::string SystemPciIdsPath() {
    return "";
}

bool PciPlatformSupported() {
    return (GetVersion() & 0x80000000u) == 0;
}

} // namespace tavrel
