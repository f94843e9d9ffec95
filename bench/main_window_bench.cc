// The main window: wall time from process start to the window shown (a whole `tavrel` run on the demo
// schedule, ending as soon as the window shows), the window built and shown inside one process, and one
// tick with its panel and status-bar refresh. Goals: shown within 300 ms; a tick with refresh under 2 ms.

#include "bench_program.h"
#include "engine/tick.h"
#include "mainwindow/ui/frm_relay.h"
#include "platform/autostart.h"
#include "shell/program_context.h"
#include "shell/schedule_commands.h"
#include "shell/startup.h"
#include "shell/ui/qt_tick_host.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

namespace {

using namespace tavrel;
namespace fs = std::filesystem;

void BM_ProcessStartToWindowShown(benchmark::State& state) {
    const fs::path home = bench::BenchProgram::FreshHome("tavrel-window-bench-process");
    fs::copy_file(TAVREL_DEMO_CONFIG, home / "registry" / "HKEY_LOCAL_MACHINE.reg");
    const std::string command = "TAVREL_HOME='" + home.string() +
                                "' TAVREL_PORTS=sim QT_QPA_PLATFORM=offscreen '" TAVREL_BIN
                                "' --exit-when-shown '" TAVREL_DEMO_RUN "' >/dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("tavrel failed");
    fs::remove_all(home);
}
BENCHMARK(BM_ProcessStartToWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// Everything the in-process benchmarks share: the platform of the machine on a scratch home.
struct Program : bench::BenchProgram {
    Program() : BenchProgram("tavrel-window-bench") { ApplyDefaultConfiguration(ctx); }
};

void BM_WindowBuiltAndShown(benchmark::State& state) {
    Program program;
    for (auto _ : state) {
        QtTickHost host(program.ctx);
        frmRelay window(program.ctx, host);
        window.Load();
        window.show();
        QApplication::processEvents();
        state.PauseTiming();
        window.CloseBySystem();
        program.ctx.portAccess.OpenPortLibrary();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowBuiltAndShown)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_TickWithPanelRefresh(benchmark::State& state) {
    Program program;
    QtTickHost host(program.ctx);
    frmRelay window(program.ctx, host);
    window.Load();
    window.show();
    FileOpen(program.ctx, TAVREL_DEMO_RUN);
    EnableTimer(program.ctx.engine);
    QApplication::processEvents();
    for (auto _ : state) {
        host.Beat();
        QApplication::processEvents(); // the repaints the tick asked for
    }
    window.CloseBySystem();
}
BENCHMARK(BM_TickWithPanelRefresh)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
