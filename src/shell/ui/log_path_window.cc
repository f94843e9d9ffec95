#include "shell/ui/log_path_window.h"

#include "formutil/ui/window_placement_ui.h"
#include "shell/log_files.h"
#include "shell/program_context.h"
#include "shell/ui/folder_picker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

frmLogFilePath::frmLogFilePath(ProgramContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    setObjectName("frmLogFilePath");
    setWindowTitle("Select Location  for Log Files");
    setAccessibleName("Select the folder for log files");

    folders_ = new FolderPicker(ctx.drives, ctx.settings.LogFilePath, this);
    auto* pathLabel = new QLabel("Log files go to:", this);
    path_ = new QLineEdit(this);
    path_->setObjectName("txtPath");
    path_->setAccessibleName("Chosen folder");
    path_->setReadOnly(true);
    pathLabel->setBuddy(path_);

    auto* select = new QPushButton("&Select", this);
    select->setObjectName("cmdSelect");
    select->setAccessibleName("Use this folder for log files");
    select->setAutoDefault(false);
    auto* cancel = new QPushButton("Cancel", this);
    cancel->setObjectName("cmdCancel");
    cancel->setAccessibleName("Close without a change");
    cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(select);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folders_, 1);
    layout->addWidget(pathLabel);
    layout->addWidget(path_);
    layout->addLayout(buttons);

    const auto showPath = [this] { path_->setText(QString::fromStdString(folders_->Highlighted())); };
    connect(folders_, &FolderPicker::folderHighlighted, this, showPath);
    connect(select, &QPushButton::clicked, this, &frmLogFilePath::Select);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showPath();
    resize(420, 400);
    KeepWindowPlacement(*this, ctx_.regApi, "frmLogFilePath");
}

void frmLogFilePath::Select() {
    const std::string chosen = LogFilePathFor(path_->text().toStdString());
    if (!chosen.empty() && chosen != ctx_.settings.LogFilePath) {
        ctx_.settings.LogFilePath = chosen;
        ctx_.NewConfiguration().ConfigurationLogFilePathSave();
    }
    accept();
}

} // namespace tavrel
