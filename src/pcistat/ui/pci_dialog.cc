#include "pcistat/ui/pci_dialog.h"

#include "platform/clock.h"
#include "platform/pci_driver.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QPushButton* Button(const QString& text, const char* name, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

PciDialog::PciDialog(PciTool& tool, QString reportFolder, QWidget* parent)
    : QDialog(parent), tool_(tool), reportFolder_(std::move(reportFolder)) {
    setObjectName("frmPciStat");
    setWindowTitle(kPciBanner);

    auto* previous = Button("< Previous", "cmdPrevious", this);
    auto* next = Button("Next >", "cmdNext", this);
    counter_ = new QLabel(this);
    counter_->setObjectName("lblDeviceCounter");
    view_ = new QPlainTextEdit(this);
    view_->setObjectName("txtDevice");
    view_->setReadOnly(true);
    view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    view_->setMinimumSize(640, 360);
    auto* standard = Button("Hex Dump (Standard PCI Header)", "cmdDumpStandard", this);
    auto* extended = Button("Hex Dump (Extended Space)", "cmdDumpExtended", this);
    auto* reportAll = Button("Report All Devices", "cmdReportAll", this);
    auto* reportOne = Button("Report This Device", "cmdReportDevice", this);
    auto* exit = Button("Exit", "cmdExit", this);
    status_ = new QLabel(this);
    status_->setObjectName("lblStatus");

    auto* selector = new QHBoxLayout;
    selector->addWidget(previous);
    selector->addWidget(counter_, 1, Qt::AlignCenter);
    selector->addWidget(next);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {standard, extended, reportAll, reportOne})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(selector);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);
    layout->addWidget(status_);

    connect(previous, &QPushButton::clicked, this, [this] {
        tool_.Previous();
        ShowDevice();
    });
    connect(next, &QPushButton::clicked, this, [this] {
        tool_.Next();
        ShowDevice();
    });
    connect(standard, &QPushButton::clicked, this, [this] { ShowDump(false); });
    connect(extended, &QPushButton::clicked, this, [this] { ShowDump(true); });
    connect(reportAll, &QPushButton::clicked, this, [this] { WriteReport(true); });
    connect(reportOne, &QPushButton::clicked, this, [this] { WriteReport(false); });
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);
    ShowDevice();
}

void PciDialog::ShowDevice() {
    counter_->setText(QString::fromStdString(tool_.CounterText()));
    view_->setPlainText(QString::fromStdString(tool_.CurrentView()));
}

void PciDialog::ShowDump(bool extended) {
    view_->setPlainText(QString::fromStdString(tool_.CurrentView() + "\n" + tool_.CurrentDump(extended)));
}

void PciDialog::WriteReport(bool allDevices) {
    SystemClock clock;
    const std::string path = tool_.WriteReport(reportFolder_.toStdString(), allDevices, clock.Now());
    status_->setText(path.empty() ? QString("The report could not be written in %1").arg(reportFolder_)
                                  : QString("Report written to %1").arg(QString::fromStdString(path)));
}

int RunPciDialog(int argc, char** argv) {
    QApplication app(argc, argv);
    auto driver = MakeSystemPciDriver();
    PciTool tool(*driver, PciNameListPaths(QCoreApplication::applicationDirPath().toStdString()));
    std::string message;
    if (!tool.Start(message)) {
        QMessageBox::critical(nullptr, kPciBanner, QString::fromStdString(message));
        return 1;
    }
    PciDialog dialog(tool, QDir::currentPath());
    dialog.show();
    const int result = app.exec();
    tool.Stop();
    return result;
}

} // namespace tavrel
