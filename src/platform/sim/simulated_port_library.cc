#include "platform/environment.h"
#include "platform/mapped_file.h"
#include "platform/port_library.h"

namespace tavrel {

namespace {

constexpr size_t kPortSpace = 65536;

class SimulatedPortLibrary final : public PortLibrary {
public:
    explicit SimulatedPortLibrary(std::string path) : path_(std::move(path)) {}

    bool InitializeWinIo() override { return map_.IsOpen() || map_.Open(path_, kPortSpace); }
    bool ShutdownWinIo() override {
        map_.Close();
        return true;
    }
    bool GetPortVal(int32_t port, uint32_t& value, uint8_t size) override {
        value = 0;
        if (!InSpace(port, size))
            return false;
        for (uint8_t i = 0; i < size; ++i)
            value |= static_cast<uint32_t>(map_.Data()[port + i]) << (8 * i);
        return true;
    }
    bool SetPortVal(int32_t port, uint32_t value, uint8_t size) override {
        if (!InSpace(port, size))
            return false;
        for (uint8_t i = 0; i < size; ++i)
            map_.Data()[port + i] = static_cast<uint8_t>(value >> (8 * i));
        return true;
    }
    bool NeedsLibraryFiles() const override { return false; }

private:
    bool InSpace(int32_t port, uint8_t size) const {
        return map_.IsOpen() && port >= 0 && size >= 1 && size <= 4 &&
               static_cast<size_t>(port) + size <= kPortSpace;
    }

    std::string path_;
    MappedFile map_;
};

} // namespace

std::unique_ptr<PortLibrary> MakeSimulatedPortLibrary(const std::string& path) {
    return std::make_unique<SimulatedPortLibrary>(path);
}

std::unique_ptr<PortLibrary> MakePortLibraryFromEnvironment(const std::string& home) {
    if (EnvironmentValue("TAVREL_PORTS").value_or("") == "sim")
        return MakeSimulatedPortLibrary(home + "/ports.bin");
    return MakeNativePortLibrary();
}

} // namespace tavrel
