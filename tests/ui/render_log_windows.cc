// Draws the log viewer, delete and path windows to PNG files, offscreen:
//   render_log_windows OUT_DIR SUFFIX   (set QT_SCALE_FACTOR for other screen scales)

#include "shell/ui/log_delete_window.h"
#include "shell/ui/log_path_window.h"
#include "shell/ui/log_text_loader.h"
#include "shell/ui/log_viewer_window.h"
#include "support/test_platform.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>

#include <cstdio>

using namespace tavrel;

namespace {

bool Save(QWidget& window, const QString& dir, const QString& name, const QString& suffix) {
    window.show();
    QCoreApplication::processEvents();
    const QString path = dir + "/" + name + "-" + suffix + ".png";
    if (!window.grab().save(path))
        return false;
    std::printf("%s\n", path.toLocal8Bit().constData());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_log_windows OUT_DIR SUFFIX\n");
        return 2;
    }
    QApplication app(argc, argv);
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString suffix = QString::fromLocal8Bit(argv[2]);
    test::TestContext t;
    t.ctx.settings.LogFilePath = "c:\\logs\\";
    const QString folder = QString::fromStdString(t.ctx.drives.Map("c:\\logs"));
    QDir().mkpath(folder + "/archive");
    QDir().mkpath(folder + "/old");
    std::string log;
    for (int minute = 0; minute < 90; ++minute) {
        char line[80];
        std::snprintf(line, sizeof line, "14:%02d:00 <1 - 3 - - - - 8>R><I<- - - - - - - ->I \r\n",
                      minute % 60);
        log += line;
        if (minute % 15 == 0)
            log += "14:00:01 12/07/2026 Save c:\\schedules\\garden.run\r\n";
    }
    for (const char* name : {"Tavrel_2026_12_05.Log", "Tavrel_2026_12_06.Log", "Tavrel_2026_12_07.Log"})
        test::WriteWholeFile((folder + "/" + name).toStdString(), log);

    LogViewerSeams seams;
    seams.chooseFile = [&](const QString&, QWidget*) { return folder + "/Tavrel_2026_12_07.Log"; };
    frmLogFileViewer viewer(t.ctx, seams);
    viewer.Load();
    while (viewer.Loader().Loading())
        QCoreApplication::processEvents();
    frmLogFileDelete remove(t.ctx, frmLogFileDelete::TrashOps(t.ctx.drives));
    remove.findChild<QListWidget*>("filLogFiles")->item(0)->setSelected(true);
    frmLogFilePath path(t.ctx);
    const bool ok = Save(viewer, out, "log-viewer", suffix) && Save(remove, out, "log-delete", suffix) &&
                    Save(path, out, "log-path", suffix);
    return ok ? 0 : 1;
}
