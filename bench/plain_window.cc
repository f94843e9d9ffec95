// A plain Qt Widgets window of the main window's size, nothing in it: the yardstick for the start-up
// time and idle memory of `tavrel` (bench/window_resources.sh).
//   bench_plain_window [--exit-when-shown]

#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <QTimer>

#include <chrono>
#include <cstring>
#include <iostream>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Plain window");
    window.resize(QSize(1000, 700).boundedTo(window.screen()->availableGeometry().size()));
    window.show();
    if (argc > 1 && std::strcmp(argv[1], "--exit-when-shown") == 0)
        QTimer::singleShot(0, &app, [] {
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::cout << "shown at " << std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()
                      << " ns" << std::endl;
            QApplication::quit();
        });
    return QApplication::exec();
}
