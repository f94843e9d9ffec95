#include "support/temp_home.h"

#include <atomic>
#include <fstream>
#include <random>
#include <sstream>

namespace tavrel::test {

TempHome::TempHome() {
    static std::atomic<int> counter{0};
    static const unsigned seed = std::random_device{}();
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() / "tavrel-test";
    fs::create_directories(base);
    for (;;) {
        const fs::path candidate = base / (std::to_string(seed) + "-" + std::to_string(counter.fetch_add(1)));
        if (fs::create_directory(candidate)) {
            path_ = candidate.string();
            break;
        }
    }
}

TempHome::~TempHome() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void WriteWholeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

} // namespace tavrel::test
