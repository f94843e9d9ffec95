#pragma once
// What the in-process benchmarks share: the machine's platform on a scratch home, with the port space
// simulated, and a program context over it whose board 1 is a relay card at 300 hex.

#include "platform/autostart.h"
#include "shell/program_context.h"

#include <filesystem>
#include <memory>
#include <sstream>

namespace tavrel::bench {

struct BenchProgram {
    explicit BenchProgram(const char* name)
        : home(FreshHome(name)), boxes(sink), drives(home.string()),
          ports(MakeSimulatedPortLibrary((home / "ports.bin").string())),
          serial(MakeSystemSerialApi(home.string())), folders(MakeSystemFolders(drives)),
          registry(MakeHiveRegistry((home / "registry").string(), nullptr)), power(MakeSystemPower()),
          ctx(Platform{clock, boxes, drives, *ports, *serial, *folders, *registry, *power}) {
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
    SystemClock clock;
    std::ostringstream sink;
    ConsoleMessageBoxes boxes;
    DriveMap drives;
    std::unique_ptr<PortLibrary> ports;
    std::unique_ptr<SerialApi> serial;
    std::unique_ptr<SystemFolders> folders;
    std::unique_ptr<Registry> registry;
    std::unique_ptr<SystemPower> power;
    ProgramContext ctx;
};

} // namespace tavrel::bench
