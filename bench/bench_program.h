#pragma once
// What the in-process benchmarks share: the machine's platform on a scratch home, with the port space
// simulated, and a program context over it whose board 1 is a relay card at 300 hex.

#include "shell/program_context.h"
#include "shell/system_platform.h"

#include <filesystem>
#include <sstream>

namespace tavrel::bench {

struct BenchProgram {
    explicit BenchProgram(const char* name)
        : home(FreshHome(name)), boxes(sink),
          system(home.string(), boxes, MakeSimulatedPortLibrary((home / "ports.bin").string())),
          ctx(system.Services()) {
        ctx.portAccess.OpenPortLibrary();
        BoardRecord& board = ctx.schedule.BoardArray[0];
        board.ChipSetType = "CBRelay08";
        board.BaseAddress = 0x300;
        board.InputAddress = 0x301;
    }
    ~BenchProgram() { std::filesystem::remove_all(home); }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    static std::filesystem::path FreshHome(const char* name) {
        const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
        std::filesystem::remove_all(path);
        std::filesystem::create_directories(path / "registry");
        return path;
    }

    std::filesystem::path home;
    std::ostringstream sink;
    ConsoleMessageBoxes boxes;
    SystemPlatform system;
    ProgramContext ctx;
};

} // namespace tavrel::bench
