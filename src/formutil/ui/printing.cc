#include "formutil/ui/printing.h"

#include <QApplication>
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextDocument>
#include <QWidget>

namespace tavrel {

namespace {

bool ChooseSystemPrinter(QPrinter& printer, QWidget* parent) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        // No printer on this machine: the page goes into a PDF file instead.
        const QString file = QFileDialog::getSaveFileName(parent, "Print to PDF File", QString(),
                                                          "PDF File (*.pdf);;All Files (*)");
        if (file.isEmpty())
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file.endsWith(".pdf", Qt::CaseInsensitive) ? file : file + ".pdf");
        return true;
    }
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle("Print");
    return dialog.exec() == QDialog::Accepted;
}

PrintResult PrintImage(const QImage& image, QWidget* parent, const PrinterChooser& choose) {
    QPrinter printer(QPrinter::HighResolution);
    if (image.width() > image.height())
        printer.setPageOrientation(QPageLayout::Landscape);
    if (!choose(printer, parent))
        return PrintResult::Cancelled;
    if (image.isNull())
        return PrintResult::Failed;
    QPainter painter;
    if (!painter.begin(&printer))
        return PrintResult::Failed;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(page.topLeft(), size), image);
    return painter.end() ? PrintResult::Printed : PrintResult::Failed;
}

// Where the platform cannot grab the screen (offscreen, some Wayland sessions), the program's own
// windows drawn where they stand.
QImage ScreenFromWindows(const QScreen& screen) {
    const QRect area = screen.geometry();
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->screen() == &screen)
            painter.drawPixmap(window->geometry().topLeft() - area.topLeft(), window->grab());
    return image;
}

} // namespace

PrinterChooser SystemPrinterChooser() {
    return ChooseSystemPrinter;
}

PrintResult PrintWidgetImage(QWidget& window, const PrinterChooser& choose) {
    return PrintImage(window.grab().toImage(), &window, choose);
}

PrintResult PrintScreenImage(QWidget& anyWindowOnTheScreen, const PrinterChooser& choose) {
    QScreen* screen = anyWindowOnTheScreen.screen();
    QImage image;
    if (screen != nullptr)
        image = screen->grabWindow(0).toImage();
    if (image.isNull() && screen != nullptr)
        image = ScreenFromWindows(*screen);
    return PrintImage(image, &anyWindowOnTheScreen, choose);
}

PrintResult PrintDocument(const QTextDocument& document, QWidget* parent, const PrinterChooser& choose) {
    QPrinter printer(QPrinter::HighResolution);
    if (!choose(printer, parent))
        return PrintResult::Cancelled;
    document.print(&printer);
    return printer.printerState() == QPrinter::Error ? PrintResult::Failed : PrintResult::Printed;
}

void ReportPrintResult(PrintResult result, QWidget* parent) {
    if (result == PrintResult::Failed)
        QMessageBox::warning(parent, "Print", "The page could not be printed.");
}

} // namespace tavrel
