// The PCI dialog on the offscreen platform: it opens on device 1, steps through the devices and writes
// a report.

#include "pcistat/ui/pci_dialog.h"

#include "support/fake_pci_driver.h"
#include "support/temp_home.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <filesystem>

using tavrel::PciDialog;
using tavrel::PciTool;
using tavrel::test::FakePciDriver;

class PciDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnDeviceOneStepsAndReports() {
        FakePciDriver driver;
        driver.functions[{0, 0}] = FakePciDriver::Header(0x8086, 0x1111, 6, 0);
        auto card = FakePciDriver::Header(0x10B5, 0x9050, 0x11, 0x80);
        FakePciDriver::PutDword(card, 0x18, 0xD401);
        driver.functions[{0, 0x48}] = card;
        PciTool tool(driver, {});
        std::string message;
        QVERIFY(tool.Start(message));
        tavrel::test::TempHome home;
        PciDialog dialog(tool, QString::fromStdString(home.Path()));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        auto* counter = dialog.findChild<QLabel*>("lblDeviceCounter");
        auto* view = dialog.findChild<QPlainTextEdit*>("txtDevice");
        QVERIFY(counter != nullptr && view != nullptr);
        QCOMPARE(counter->text(), QString("Device 1 of 2"));
        QVERIFY(view->toPlainText().contains("Vendor ID: 8086"));
        QCOMPARE(dialog.windowTitle(), QString(tavrel::kPciBanner));

        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
        QCOMPARE(counter->text(), QString("Device 2 of 2"));
        QVERIFY(view->toPlainText().contains("I/O at D400 hex"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdNext"), Qt::LeftButton);
        QCOMPARE(counter->text(), QString("Device 1 of 2"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdPrevious"), Qt::LeftButton);
        QCOMPARE(counter->text(), QString("Device 2 of 2"));

        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdDumpExtended"), Qt::LeftButton);
        QVERIFY(view->toPlainText().contains("Hex Dump (Extended Space, Not Always Implemented)"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdReportDevice"), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(home.File("pci-2.txt")));
        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdReportAll"), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(home.File("pci-info.txt")));
        QVERIFY(dialog.findChild<QLabel*>("lblStatus")->text().contains("pci-info.txt"));

        QTest::mouseClick(dialog.findChild<QPushButton*>("cmdExit"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }
};

QTEST_MAIN(PciDialogTest)
#include "pci_dialog_test.moc"
