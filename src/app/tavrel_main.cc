// tavrel: the relay scheduler with its main window.

#include "engine/tick.h"
#include "files/run_on_boot.h"
#include "formutil/ui/lean_style.h"
#include "mainwindow/ui/frm_relay.h"
#include "mainwindow/ui/program_configuration.h"
#include "platform/environment.h"
#include "platform/file_io.h"
#include "platform/process.h"
#include "shell/help_text.h"
#include "shell/holiday_command.h"
#include "shell/mqtt_service.h"
#include "shell/program_context.h"
#include "shell/program_start.h"
#include "shell/startup.h"
#include "shell/system_platform.h"
#include "shell/ui/info_windows.h"
#include "shell/ui/kill_button_window.h"
#include "shell/ui/no_display.h"
#include "shell/ui/qt_message_boxes.h"
#include "shell/ui/qt_tick_host.h"
#include "shell/version.h"
#include "shell/window_startup.h"

#include <QApplication>
#include <QScreen>
#include <QSocketNotifier>
#include <QTimer>

#include <chrono>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace tavrel;

constexpr int kExitPortLayerFailed = 1;
constexpr int kExitHomeUnusable = 1; // as tavreld: no file can be made in TAVREL_HOME
constexpr int kExitUsage = 2;
constexpr int kExitNotConfigured = 3;

// For bench/window_resources.sh: when the window was up, against the wall clock, as the plain window
// prints it.
void PrintShownAt(std::ostream& out) {
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    out << "shown at " << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count() << " ns"
        << std::endl;
}

struct Options {
    std::string runFile;
    std::string screenshot; // grab the window after the first tick into this PNG and end
    bool exitWhenShown = false;
};

void TakeScreenshot(ProgramContext& ctx, frmRelay& window, const QString& path) {
    ForceCheckTime(ctx.engine, window.Host());
    QApplication::processEvents();
    if (!window.grab().save(path, "PNG"))
        std::cerr << "tavrel: could not write " << path.toStdString() << "\n";
    window.close();
}

// A stop signal or the end of the desktop session ends the run without a question and keeps the restart
// file, so that the next start resumes the schedule. Waited for where the system can signal it, so that
// an idle window does not wake to ask.
class StopWatch {
public:
    StopWatch(QApplication& app, frmRelay& window) {
        const auto closeOnStop = [&window] {
            if (StopRequested())
                window.CloseBySystem();
        };
        if (const int fd = StopRequestDescriptor(); fd >= 0) {
            notifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
            QObject::connect(notifier_.get(), &QSocketNotifier::activated, &window, [this, closeOnStop] {
                notifier_->setEnabled(false); // the byte stays unread: one close is enough
                closeOnStop();
            });
        } else {
            QObject::connect(&poll_, &QTimer::timeout, &window, closeOnStop);
            poll_.start(200);
        }
        QObject::connect(&app, &QGuiApplication::commitDataRequest, &window,
                         [&window] { window.MarkSystemEnding(); });
        QObject::connect(&app, &QCoreApplication::aboutToQuit, &window,
                         [&window] { window.CloseBySystem(); });
    }

private:
    std::unique_ptr<QSocketNotifier> notifier_;
    QTimer poll_;
};

// For scripts and benchmarks: end once the window shows, or take its picture and end.
void ScheduleTestHooks(ProgramContext& ctx, frmRelay& window, const Options& options) {
    if (options.exitWhenShown)
        QTimer::singleShot(0, &window, [&window] {
            PrintShownAt(std::cout);
            window.CloseBySystem();
        });
    if (!options.screenshot.empty())
        QTimer::singleShot(0, &window, [&ctx, &window, &options] {
            TakeScreenshot(ctx, window, QString::fromStdString(options.screenshot));
        });
}

int Run(int argc, char** argv, const Options& options) {
    std::optional<NoDisplayExit> noDisplay(std::in_place);
    QApplication app(argc, argv);
    QApplication::setStyle(new LeanStyle);
    noDisplay.reset();
    QApplication::setApplicationName("Tavrel");
    QApplication::setApplicationVersion(kProgramVersion);
    QApplication::setQuitOnLastWindowClosed(false);

    const std::string home = DefaultTavrelHome();
    MakeFolders(home);
    QtMessageBoxes boxes;
    SystemPlatform system(home, boxes);
    ProgramContext ctx(system.Services());
    ctx.traces = &std::cerr;
    ctx.programName = "tavrel";
    InstallStopRequestHandlers();
    // Made before the MQTT service, whose network thread wakes it: it outlives the service.
    QtTickHost host(ctx);
    // MQTT's lines go to the event log only: a broker that is away must not raise message boxes.
    ProgramStart start(ctx, system, nullptr);
    if (!start.OpenHome())
        return kExitHomeUnusable;
    frmSplash splash;
    std::unique_ptr<frmKillButton> killWindow;
    StartupSteps steps;
    steps.showSplash = [&splash] { splash.ShowNow(); };
    steps.openConfiguration = [&ctx] { return ConfigureFromScratch(ctx); };
    steps.showKillWindow = [&] {
        killWindow = std::make_unique<frmKillButton>(ctx, host);
        killWindow->Load();
    };
    switch (RunWindowStartup(ctx, start.AnotherCopyRunning(), steps)) {
    case StartupOutcome::ConfigurationRefused:
        return kExitNotConfigured;
    case StartupOutcome::PortLayerFailed:
        return kExitPortLayerFailed;
    case StartupOutcome::Run:
        break;
    }
    if (const auto warning = start.ClaimBoard(); !warning.empty())
        ctx.boxes.Tell(MsgIcon::Warning, "Tavrel", warning);
    if (host.ClosedBeforeWindow()) // a kill pressed while the warning was open ended the run
        return 0;
    // Read before the link starts, so its first words say today's holiday; what a reading could not read
    // goes to the event log and the status bar, never to a box.
    host.AttachHolidays(&start.StartHolidays(nullptr));
    host.AttachMqtt(&start.Mqtt()); // before the link starts: it wakes the host on each command
    start.Mqtt().Start();
    frmRelay window(ctx, host);
    boxes.SetParent(&window);
    window.Load();
    if (!options.screenshot.empty()) // the picture shows the window filling the screen
        window.setGeometry(window.screen()->availableGeometry());
    splash.close();
    window.show();
    if (!options.runFile.empty())
        window.OpenFromCommandLine(QString::fromStdString(options.runFile));

    QObject::connect(&window, &frmRelay::unloaded, &app, [&] {
        if (killWindow)
            killWindow->close();
        QApplication::quit();
    });
    if (killWindow)
        QObject::connect(&window, &frmRelay::closeCancelled, killWindow.get(), &frmKillButton::ShowAgain);
    StopWatch stopWatch(app, window);
    ScheduleTestHooks(ctx, window, options);
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        if (!IsRunMeMarkerWord(argv[i])) // the run-on-boot entry's marker only names the entry
            args.emplace_back(argv[i]);
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            PrintTavrelHelp(std::cout);
            return 0;
        }
        if (arg == "--version") {
            std::cout << "tavrel " << kProgramVersion << "\n"
                      << MqttVersionText() << "\n"
                      << HolidaysVersionText() << "\n";
            return 0;
        }
        // For scripts and benchmarks, not in the help: a picture of the window, or end once it shows.
        if (arg == "--screenshot" && i + 1 < args.size()) {
            options.screenshot = args[++i];
        } else if (arg == "--exit-when-shown") {
            options.exitWhenShown = true;
        } else if (arg.rfind("--", 0) == 0 || !options.runFile.empty()) {
            std::cerr << "tavrel: unknown arguments; see --help\n";
            return kExitUsage;
        } else {
            options.runFile = arg;
        }
    }
    return Run(argc, argv, options);
}
