#include "platform/environment.h"
#include "platform/port_library.h"
#include "platform/shared_file.h"
#include "platform/sim_stuck.h"

namespace tavrel {

namespace {

constexpr size_t kPortSpace = 65536;

class SimulatedPortLibrary final : public PortLibrary {
public:
    SimulatedPortLibrary(std::string path, std::vector<StuckPort> stuck)
        : path_(std::move(path)), stuck_(std::move(stuck)) {}

    bool InitializeWinIo() override { return file_.IsOpen() || file_.Open(path_, kPortSpace); }
    bool ShutdownWinIo() override {
        file_.Close();
        return true;
    }
    // Each access goes to the file itself (no memory map), so a file cut short from outside costs a
    // zero byte instead of the process.
    bool GetPortVal(int32_t port, uint32_t& value, uint8_t size) override {
        value = 0;
        uint8_t bytes[4] = {};
        if (!InSpace(port, size) || !file_.Read(static_cast<size_t>(port), bytes, size))
            return false;
        for (uint8_t i = 0; i < size; ++i)
            value |= static_cast<uint32_t>(Stuck(port + i, bytes[i])) << (8 * i);
        return true;
    }
    bool SetPortVal(int32_t port, uint32_t value, uint8_t size) override {
        if (!InSpace(port, size))
            return false;
        uint8_t bytes[4] = {};
        for (uint8_t i = 0; i < size; ++i)
            bytes[i] = static_cast<uint8_t>(value >> (8 * i));
        return file_.Write(static_cast<size_t>(port), bytes, size);
    }
    bool NeedsLibraryFiles() const override { return false; }
    // The file itself, not its path: two homes that share one ports.bin share one board.
    std::string SpaceName() const override {
        const std::string identity = file_.Identity();
        return "sim-" + (identity.empty() ? path_ : identity);
    }

private:
    uint8_t Stuck(int32_t port, uint8_t stored) const {
        for (const StuckPort& s : stuck_)
            if (s.port == port)
                stored = static_cast<uint8_t>((stored & s.andMask) | s.orMask);
        return stored;
    }
    bool InSpace(int32_t port, uint8_t size) const {
        return file_.IsOpen() && port >= 0 && size >= 1 && size <= 4 &&
               static_cast<size_t>(port) + size <= kPortSpace;
    }

    std::string path_;
    std::vector<StuckPort> stuck_;
    SharedFile file_;
};

} // namespace

std::unique_ptr<PortLibrary> MakeSimulatedPortLibrary(const std::string& path, std::vector<StuckPort> stuck) {
    return std::make_unique<SimulatedPortLibrary>(path, std::move(stuck));
}

std::unique_ptr<PortLibrary> MakePortLibraryFromEnvironment(const std::string& home, std::string& problem) {
    if (EnvironmentValue("TAVREL_PORTS").value_or("") != "sim")
        return MakeNativePortLibrary();
    std::vector<StuckPort> stuck;
    const std::optional<std::string> text = EnvironmentValue("TAVREL_SIM_STUCK");
    std::string error;
    if (text && !text->empty() && !ParseStuckPorts(*text, stuck, error))
        problem = "TAVREL_SIM_STUCK ignored: " + error;
    return MakeSimulatedPortLibrary(home + "/ports.bin", std::move(stuck));
}

} // namespace tavrel
