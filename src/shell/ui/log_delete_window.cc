#include "shell/ui/log_delete_window.h"

#include "formutil/ui/window_placement_ui.h"
#include "platform/drive_map.h"
#include "shell/program_context.h"
#include "shell/ui/folder_picker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace tavrel {

frmLogFileDelete::frmLogFileDelete(ProgramContext& ctx, LogDeleteOps ops, QWidget* parent)
    : QDialog(parent), ctx_(ctx), ops_(std::move(ops)) {
    setObjectName("frmLogFileDelete");
    setWindowTitle("Delete Log Files");
    setAccessibleName("Delete log files");

    folders_ = new FolderPicker(ctx.drives, ctx.settings.LogFilePath, this);
    auto* filesLabel = new QLabel("&Log files:", this);
    files_ = new QListWidget(this);
    files_->setObjectName("filLogFiles");
    files_->setAccessibleName("Log files");
    files_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    filesLabel->setBuddy(files_);

    delete_ = new QPushButton("&Delete", this);
    delete_->setObjectName("cmdDelete");
    delete_->setAccessibleName("Move the selected log files to the trash");
    delete_->setAutoDefault(false);
    cancel_ = new QPushButton("Cancel", this);
    cancel_->setObjectName("cmdCancel");
    cancel_->setAccessibleName("Close");
    cancel_->setAutoDefault(false);

    auto* filesColumn = new QVBoxLayout;
    filesColumn->addWidget(filesLabel);
    filesColumn->addWidget(files_, 1);
    filesColumn->addWidget(new QLabel("Deleted files go to the trash.", this));
    auto* lists = new QHBoxLayout;
    lists->addWidget(folders_, 1);
    lists->addLayout(filesColumn, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(delete_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists, 1);
    layout->addLayout(buttons);

    connect(folders_, &FolderPicker::folderOpened, this, &frmLogFileDelete::ListFiles);
    connect(files_, &QListWidget::itemSelectionChanged, this,
            [this] { delete_->setEnabled(!files_->selectedItems().isEmpty()); });
    connect(delete_, &QPushButton::clicked, this, &frmLogFileDelete::DeleteSelected);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    ListFiles();
    resize(560, 360);
    KeepWindowPlacement(*this, ctx_.regApi, "frmLogFileDelete");
}

void frmLogFileDelete::ListFiles() {
    const QDir dir(QString::fromStdString(ctx_.drives.Map(folders_->Folder())));
    std::vector<std::string> names;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden))
        names.push_back(name.toStdString());
    files_->clear();
    for (const std::string& name : LogFilesIn(std::move(names)))
        files_->addItem(QString::fromStdString(name));
    delete_->setEnabled(false);
}

void frmLogFileDelete::DeleteSelected() {
    std::vector<std::string> names;
    for (int i = 0; i < files_->count(); ++i)
        if (files_->item(i)->isSelected())
            names.push_back(files_->item(i)->text().toStdString());
    DeleteLogFiles(folders_->Folder(), names, ops_, ctx_.boxes);
    ListFiles();
    cancel_->setFocus(Qt::OtherFocusReason);
}

LogDeleteOps frmLogFileDelete::TrashOps(const DriveMap& drives) {
    return {[&drives](const std::string& path) {
                QFile file(QString::fromStdString(drives.Map(path)));
                if (file.open(QIODevice::ReadOnly))
                    return FileReach::Ok;
                return file.exists() ? FileReach::Denied : FileReach::Missing;
            },
            [&drives](const std::string& path) -> TrashMove {
                QString inTrash;
                if (!QFile::moveToTrash(QString::fromStdString(drives.Map(path)), &inTrash))
                    return {"The file " + path + " could not be moved to the trash.", {}};
                // A file on another volume than the home folder goes to that volume's own trash
                // (".Trash-UID" or ".Trash/UID" at its top), where the user would not look for it.
                const QString ownTrash =
                    QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash/";
                if (inTrash.isEmpty() || inTrash.startsWith(ownTrash) || !inTrash.contains("/.Trash"))
                    return {};
                return {{}, QFileInfo(inTrash).absolutePath().toStdString()};
            }};
}

} // namespace tavrel
