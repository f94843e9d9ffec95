#include "platform/file_io.h"
#include "platform/pci_driver.h"

#include <cstdio>
#include <cstring>

namespace tavrel {

namespace {

class SysfsPciDriver final : public PciDriver {
public:
    explicit SysfsPciDriver(std::string folder) : folder_(std::move(folder)) {}

    bool Open() override { return FileExists(folder_); }
    void Close() override {}
    bool ShortAnswersSeen() const override { return shortAnswers_; }

    bool Request(uint32_t bus, uint32_t devFn, uint8_t* out, uint32_t outSize, uint32_t& returned) override {
        returned = 0;
        char name[32];
        std::snprintf(name, sizeof name, "/0000:%02x:%02x.%x/config", bus & 0xFF, (devFn >> 3) & 0x1F,
                      devFn & 7);
        std::string bytes;
        if (!ReadFileBytes(folder_ + name, bytes) || bytes.empty())
            return false;
        returned = static_cast<uint32_t>(std::min<size_t>(bytes.size(), outSize));
        std::memcpy(out, bytes.data(), returned);
        if (bytes.size() < 256)
            shortAnswers_ = true;
        return true;
    }

private:
    std::string folder_;
    bool shortAnswers_ = false;
};

} // namespace

std::unique_ptr<PciDriver> MakeSysfsPciDriver(const std::string& devicesFolder) {
    return std::make_unique<SysfsPciDriver>(devicesFolder);
}

} // namespace tavrel
