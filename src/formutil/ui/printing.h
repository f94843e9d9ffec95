#pragma once
// Prints a window, the whole screen or a text: through the printer dialog, or where no printer exists
// into a PDF file the user names, so the command always produces something.

#include <functional>

class QPrinter;
class QTextDocument;
class QWidget;

namespace tavrel {

enum class PrintResult { Printed, Cancelled, Failed };

// Sets up `printer` for one job (printer, or PDF file); false when the user cancels.
using PrinterChooser = std::function<bool(QPrinter& printer, QWidget* parent)>;

// The printer dialog when a printer exists, else a save dialog for a PDF file.
PrinterChooser SystemPrinterChooser();

// The window's contents, scaled to fit the page.
PrintResult PrintWidgetImage(QWidget& window, const PrinterChooser& choose);
// Everything on the screen `anyWindowOnTheScreen` is on, scaled to fit the page.
PrintResult PrintScreenImage(QWidget& anyWindowOnTheScreen, const PrinterChooser& choose);
// A text document over as many pages as it needs.
PrintResult PrintDocument(const QTextDocument& document, QWidget* parent, const PrinterChooser& choose);

// Tells the user that a job could not be printed; nothing for a printed or cancelled one.
void ReportPrintResult(PrintResult result, QWidget* parent);

} // namespace tavrel
