#pragma once
// frmLogFilePath: chooses the folder in which log files are made.

#include <QDialog>

class QLineEdit;

namespace tavrel {

struct ProgramContext;
class FolderPicker;

class frmLogFilePath final : public QDialog {
    Q_OBJECT
public:
    explicit frmLogFilePath(ProgramContext& ctx, QWidget* parent = nullptr);

private:
    void Select();

    ProgramContext& ctx_;
    FolderPicker* folders_;
    QLineEdit* path_;
};

} // namespace tavrel
