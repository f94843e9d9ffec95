// A plain Qt Widgets window of the main window's size: the yardstick for the start-up time, memory and
// idle CPU of `tavrel` (bench/window_resources.sh). With --clock its status bar shows the time of day,
// set once a second, as tavrel's does: the least any window with a clock must do.
//   bench_plain_window [--clock] [--exit-when-shown]

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include <chrono>
#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bool clock = false;
    bool exitWhenShown = false;
    for (int i = 1; i < argc; ++i) {
        clock = clock || std::strcmp(argv[i], "--clock") == 0;
        exitWhenShown = exitWhenShown || std::strcmp(argv[i], "--exit-when-shown") == 0;
    }
    QMainWindow window;
    window.setWindowTitle("Plain window");
    window.resize(QSize(1000, 700).boundedTo(window.screen()->availableGeometry().size()));
    QTimer tick;
    if (clock) {
        auto* time = new QLabel(window.statusBar());
        time->setFrameShape(QFrame::StyledPanel);
        time->setFrameShadow(QFrame::Sunken);
        window.statusBar()->addPermanentWidget(time);
        const auto show = [time] { time->setText(QTime::currentTime().toString("HH:mm:ss")); };
        show();
        QObject::connect(&tick, &QTimer::timeout, &window, show);
        tick.start(1000);
    }
    window.show();
    if (exitWhenShown)
        QTimer::singleShot(0, &app, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::cout << "shown at " << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                      << " ns" << std::endl;
            QApplication::quit();
        });
    return QApplication::exec();
}
