#pragma once
// A drive list over a folder list, the way the log windows move through folders: the folders from the
// drive's root down to the current one, then its subfolders; a double click or Enter opens a folder.

#include <QString>
#include <QWidget>

#include <string>

class QComboBox;
class QListWidget;

namespace tavrel {

class DriveMap;

class FolderPicker final : public QWidget {
    Q_OBJECT
public:
    // `folder` is a Windows path ("c:\logs") or a path of this machine; an unreachable one starts at the
    // nearest folder above it that exists.
    FolderPicker(const DriveMap& drives, const std::string& folder, QWidget* parent = nullptr);

    const std::string& Folder() const { return folder_; }
    // The folder of the highlighted row (the open folder until another row is picked).
    std::string Highlighted() const;
    // False, and nothing changes, when the folder cannot be reached.
    bool Open(const std::string& folder);

signals:
    void folderOpened();
    void folderHighlighted();

private:
    bool Reachable(const std::string& folder) const;
    void Fill();

    const DriveMap& drives_;
    std::string folder_;
    QComboBox* driveList_;
    QListWidget* folderList_;
};

} // namespace tavrel
