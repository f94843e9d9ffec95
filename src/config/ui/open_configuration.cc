#include "config/ui/open_configuration.h"

#include "config/log_folder.h"
#include "config/ui/configuration_window.h"
#include "platform/drive_map.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace tavrel {

std::vector<DriveFolder> DriveFoldersOf(const std::string& tavrelHome) {
    // Drive c: is made on first use; make sure it is there to be found.
    DriveMap(tavrelHome).Map("c:\\");
    std::vector<DriveFolder> drives;
    const QDir devices(QString::fromStdString(tavrelHome) + "/dosdevices");
    for (const QFileInfo& entry :
         devices.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System)) {
        const QString name = entry.fileName().toLower();
        if (name.size() != 2 || name[1] != ':' || !name[0].isLetter())
            continue;
        const QString target = entry.canonicalFilePath();
        if (!target.isEmpty())
            drives.push_back({name[0].toLatin1(), target.toStdString()});
    }
    return drives;
}

QString ChooseLogFolder(const std::string& tavrelHome, const QString& current, QWidget* parent) {
    const QString start = QString::fromStdString(DriveMap(tavrelHome).Map(current.toStdString()));
    const QString chosen =
        QFileDialog::getExistingDirectory(parent, "Log File Directory", start, QFileDialog::ShowDirsOnly);
    if (chosen.isEmpty())
        return {};
    const QString canonical = QFileInfo(chosen).canonicalFilePath();
    return QString::fromStdString(LogFolderFromChosen(
        (canonical.isEmpty() ? chosen : canonical).toStdString(), DriveFoldersOf(tavrelHome)));
}

std::vector<ConfigWindow> ConfigWindowsForScreen(const QWidget* parent) {
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    const QSize size = screen != nullptr ? screen->size() : QSize(1024, 768);
    return ChooseConfigWindows(size.width(), size.height());
}

bool OpenConfiguration(const ConfigurationTargets& targets, const std::function<void(int)>& invalidateBoard,
                       const std::string& tavrelHome, QWidget* parent, const ConfigurationExtras& extras) {
    bool saved = false;
    for (ConfigWindow window : ConfigWindowsForScreen(parent)) {
        ConfigurationTargets each = targets; // once saved, the second window's defaults are stored ones
        each.nothingStored = targets.nothingStored && !saved;
        ConfigurationDialogModel model(window, each);
        ConfigurationWindow dialog(
            model, SystemColourPicker(),
            [tavrelHome](const QString& current, QWidget* owner) {
                return ChooseLogFolder(tavrelHome, current, owner);
            },
            parent);
        if (extras.keepPlacement)
            extras.keepPlacement(dialog, dialog.objectName().toStdString());
        if (extras.openMqtt)
            dialog.AddMqttButton(extras.openMqtt);
        dialog.exec();
        saved = saved || model.Saved();
    }
    if (invalidateBoard)
        for (int b = 0; b < kBoardSlots; ++b)
            invalidateBoard(b);
    return saved;
}

} // namespace tavrel
