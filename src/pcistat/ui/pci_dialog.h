#pragma once
// The PCI statistics dialog: a device selector with its counter, the device's view, the dumps, the
// report buttons and Exit. It only shows what the PciTool holds.

#include "pcistat/pci_tool.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tavrel {

class PciDialog final : public QDialog {
    Q_OBJECT
public:
    // `reportFolder` is where the report buttons write.
    PciDialog(PciTool& tool, QString reportFolder, QWidget* parent = nullptr);

    void ShowDevice();

private:
    void ShowDump(bool extended);
    void WriteReport(bool allDevices);

    PciTool& tool_;
    QString reportFolder_;
    QLabel* counter_;
    QPlainTextEdit* view_;
    QLabel* status_;
};

// The tool with its window: the start-up checks (a failure is shown and ends it), then the dialog.
int RunPciDialog(int argc, char** argv);

} // namespace tavrel
