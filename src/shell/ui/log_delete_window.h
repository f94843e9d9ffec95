#pragma once
// frmLogFileDelete: picks log files of a folder and moves them to the desktop trash.

#include "shell/log_files.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace tavrel {

struct ProgramContext;
class DriveMap;
class FolderPicker;

class frmLogFileDelete final : public QDialog {
    Q_OBJECT
public:
    // `ops` reach and remove files by their folder-and-name path; TrashOps() does it on this machine.
    frmLogFileDelete(ProgramContext& ctx, LogDeleteOps ops, QWidget* parent = nullptr);

    // Files of this machine go to its trash, never deleted for good.
    static LogDeleteOps TrashOps(const DriveMap& drives);

private:
    void ListFiles();
    void DeleteSelected();

    ProgramContext& ctx_;
    LogDeleteOps ops_;
    FolderPicker* folders_;
    QListWidget* files_;
    QPushButton* delete_;
    QPushButton* cancel_;
};

} // namespace tavrel
