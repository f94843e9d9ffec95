#include "shell/ui/folder_picker.h"

#include "config/ui/open_configuration.h"
#include "platform/drive_map.h"
#include "shell/log_files.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace tavrel {

namespace {

constexpr int kPathRole = Qt::UserRole;

} // namespace

FolderPicker::FolderPicker(const DriveMap& drives, const std::string& folder, QWidget* parent)
    : QWidget(parent), drives_(drives) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    auto* driveLabel = new QLabel("&Drive:", this);
    driveList_ = new QComboBox(this);
    driveList_->setObjectName("drvDrive");
    driveList_->setAccessibleName("Drive");
    driveLabel->setBuddy(driveList_);
    for (const DriveFolder& d : DriveFoldersOf(drives.Home()))
        driveList_->addItem(QString(QChar(d.letter)) + ":", QString(QChar(d.letter)) + ":\\");
    driveList_->addItem("/ (this computer)", "/");

    auto* folderLabel = new QLabel("F&older (double-click to open):", this);
    folderList_ = new QListWidget(this);
    folderList_->setObjectName("dirFolder");
    folderList_->setAccessibleName("Folders");
    folderLabel->setBuddy(folderList_);

    layout->addWidget(driveLabel);
    layout->addWidget(driveList_);
    layout->addWidget(folderLabel);
    layout->addWidget(folderList_, 1);

    connect(driveList_, &QComboBox::activated, this, [this](int index) {
        if (!Open(driveList_->itemData(index).toString().toStdString()))
            Fill();
    });
    connect(folderList_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Open(item->data(kPathRole).toString().toStdString()); });
    connect(folderList_, &QListWidget::currentItemChanged, this, [this] { emit folderHighlighted(); });

    std::string start = StartFolder(folder);
    while (!Reachable(start) && ParentFolder(start) != start)
        start = ParentFolder(start);
    Open(Reachable(start) ? start : std::string("c:\\"));
}

bool FolderPicker::Reachable(const std::string& folder) const {
    return QFileInfo(QString::fromStdString(drives_.Map(folder))).isDir();
}

std::string FolderPicker::Highlighted() const {
    const QListWidgetItem* item = folderList_->currentItem();
    return item != nullptr ? item->data(kPathRole).toString().toStdString() : folder_;
}

bool FolderPicker::Open(const std::string& folder) {
    if (!Reachable(folder))
        return false;
    folder_ = StartFolder(folder);
    Fill();
    emit folderOpened();
    return true;
}

void FolderPicker::Fill() {
    {
        const QSignalBlocker blocker(driveList_);
        const int drive = driveList_->findData(QString::fromStdString(FolderRoot(folder_)), kPathRole,
                                               Qt::MatchFixedString);
        driveList_->setCurrentIndex(drive >= 0 ? drive : driveList_->count() - 1);
    }
    const QDir dir(QString::fromStdString(drives_.Map(folder_)));
    std::vector<std::string> subfolders;
    for (const QString& name : dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        subfolders.push_back(name.toStdString());

    const QSignalBlocker blocker(folderList_);
    folderList_->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirClosedIcon);
    for (const FolderRow& row : FolderRows(folder_, subfolders)) {
        auto* item = new QListWidgetItem(
            QString(row.depth * 3, QChar(' ')) + QString::fromStdString(row.label), folderList_);
        item->setIcon(row.current || row.depth == 0 ? open : closed);
        item->setData(kPathRole, QString::fromStdString(row.path));
        if (row.current)
            folderList_->setCurrentItem(item);
    }
    emit folderHighlighted();
}

} // namespace tavrel
