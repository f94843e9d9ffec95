// One X10 command with the real clock against a line that records when each change happened.
// Prints the command's duration divided by the sum of the pauses the protocol asks for (goal: at most
// 1.02), and the shortest hold of each kind against its minimum (none may fall below).

#include "boardio/comm_ports.h"
#include "boardio/x10_transmitter.h"
#include "platform/clock.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using namespace tavrel;

// A serial port whose every call succeeds at once and whose line changes are timed.
class RecordingLine final : public SerialApi {
public:
    explicit RecordingLine(const Clock& clock) : clock_(clock) {}
    std::vector<int64_t> changes;

    CommHandle OpenPort(const std::string&) override { return 1; }
    bool SetupQueues(CommHandle, uint32_t, uint32_t) override { return true; }
    bool Purge(CommHandle, uint32_t) override { return true; }
    bool SetTimeouts(CommHandle, const CommTimeouts&) override { return true; }
    bool GetState(CommHandle, CommDcb&) override { return true; }
    bool BuildDcb(const std::string& mode, CommDcb& dcb) override { return ParseCommMode(mode, dcb); }
    bool SetState(CommHandle, const CommDcb&) override { return true; }
    bool Escape(CommHandle, uint32_t) override {
        changes.push_back(clock_.MonotonicUs());
        return true;
    }
    bool ClosePort(CommHandle) override { return true; }
    uint32_t LastError() const override { return 0; }
    std::string ErrorText(uint32_t) const override { return {}; }

private:
    const Clock& clock_;
};

class NoBoxes final : public MessageBoxes {
public:
    MsgResult Show(const MessageBoxRequest& r) override { return r.defaultButton; }
};

} // namespace

int main() {
    SystemClock clock;
    double worst = 0;
    double shortestBitHold[4] = {1e9, 1e9, 1e9, 1e9};
    const int kRuns = 5;
    for (int run = 0; run < kRuns; ++run) {
        RecordingLine line(clock);
        CommPorts ports(line);
        NoBoxes boxes;
        X10Transmitter x10(ports, clock, boxes);
        const int64_t start = clock.MonotonicUs();
        x10.SendX10(1, 1, 1, kX10On);
        const int64_t end = clock.MonotonicUs();
        // 50 + 10 + 50 + 50 + 40 x (1 + 1 + 2 + 2) + 60 ms.
        const double minimumUs = (50 + 10 + 50 + 50 + 40 * 6 + 60) * 1000.0;
        worst = std::max(worst, static_cast<double>(end - start) / minimumUs);
        // Changes 0..3 reset the transmitter; then four per bit, held 1, 1, 2 and 2 ms.
        for (size_t i = 4; i + 1 < line.changes.size(); ++i) {
            const double hold = static_cast<double>(line.changes[i + 1] - line.changes[i]) / 1000.0;
            double& shortest = shortestBitHold[(i - 4) % 4];
            shortest = std::min(shortest, hold);
        }
    }
    std::printf("x10 command duration / protocol minimum: %.4f (worst of %d runs; goal <= 1.02)\n", worst,
                kRuns);
    const double minimum[4] = {1, 1, 2, 2};
    bool holdsOk = true;
    for (int k = 0; k < 4; ++k) {
        std::printf("shortest hold of step %d: %.3f ms (minimum %.0f ms)\n", k + 1, shortestBitHold[k],
                    minimum[k]);
        holdsOk = holdsOk && shortestBitHold[k] >= minimum[k];
    }
    return worst <= 1.02 && holdsOk ? 0 : 1;
}
