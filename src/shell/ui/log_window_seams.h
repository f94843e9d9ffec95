#pragma once
// What the log windows ask of the user through system dialogs, replaceable in tests.

#include "formutil/ui/printing.h"

#include <QFont>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tavrel {

// The filters of the log file dialog. Log files are named "….Log": the pattern lists the cases a
// case-sensitive file system needs to show them.
inline constexpr const char* kLogFileFilters =
    "Log File (*.log *.Log *.LOG);;Text File (*.txt);;All File (*)";

// Asks for the log file to show, starting at `start` (a folder or a file); empty when cancelled.
using LogFileChooser = std::function<QString(const QString& start, QWidget* parent)>;
// Asks for a font starting from `current`; none when cancelled.
using FontChooser = std::function<std::optional<QFont>(const QFont& current, QWidget* parent)>;

struct LogViewerSeams {
    LogFileChooser chooseFile;
    FontChooser chooseFont;
    PrinterChooser choosePrinter;
};

// The system's open, font and printer dialogs.
LogViewerSeams SystemLogViewerSeams();

} // namespace tavrel
