// Printing a window, the screen and a text into a PDF file through the printer seam.

#include "formutil/ui/printing.h"

#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

using namespace tavrel;

class PrintingTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    PrinterChooser ToPdf(const QString& name) {
        const QString file = dir_.filePath(name);
        return [file](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            return true;
        };
    }

    QByteArray Pdf(const QString& name) {
        QFile file(dir_.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        return bytes.startsWith("%PDF") ? bytes : QByteArray();
    }

    // The pages a PDF file holds, by its page objects; -1 for no PDF file.
    int Pages(const QString& name) {
        const QByteArray bytes = Pdf(name);
        if (bytes.isEmpty())
            return -1;
        return static_cast<int>(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page(?!s)")));
    }

    bool HoldsAnImage(const QString& name) { return Pdf(name).contains("/Subtype /Image"); }

private slots:
    void printsAWindowTheScreenAndAText() {
        QLabel window("Relay 1 ON");
        window.resize(320, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(PrintWidgetImage(window, ToPdf("window.pdf")), PrintResult::Printed);
        QCOMPARE(Pages("window.pdf"), 1);
        QVERIFY(HoldsAnImage("window.pdf"));
        QCOMPARE(PrintScreenImage(window, ToPdf("screen.pdf")), PrintResult::Printed);
        QCOMPARE(Pages("screen.pdf"), 1);
        QVERIFY(HoldsAnImage("screen.pdf"));

        QString text;
        for (int line = 0; line < 200; ++line)
            text += QString("12:%1:00 <1 - 3 - - - - 8>R><I<- - - - - - - ->I\n")
                        .arg(line % 60, 2, 10, QChar('0'));
        QTextDocument document(text);
        QCOMPARE(PrintDocument(document, nullptr, ToPdf("log.pdf")), PrintResult::Printed);
        QVERIFY(Pages("log.pdf") > 1);
    }

    void aCancelledJobPrintsNothing() {
        QLabel window("x");
        const PrinterChooser cancel = [](QPrinter&, QWidget*) { return false; };
        QCOMPARE(PrintWidgetImage(window, cancel), PrintResult::Cancelled);
        QTextDocument document("x");
        QCOMPARE(PrintDocument(document, nullptr, cancel), PrintResult::Cancelled);
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
