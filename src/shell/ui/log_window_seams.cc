#include "shell/ui/log_window_seams.h"

#include <QFileDialog>
#include <QFontDialog>

namespace tavrel {

LogViewerSeams SystemLogViewerSeams() {
    LogViewerSeams seams;
    seams.chooseFile = [](const QString& start, QWidget* parent) {
        return QFileDialog::getOpenFileName(parent, "Select LogFile", start, kLogFileFilters, nullptr,
                                            QFileDialog::ReadOnly);
    };
    seams.chooseFont = [](const QFont& current, QWidget* parent) -> std::optional<QFont> {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, current, parent, "Select Font");
        if (!ok)
            return std::nullopt;
        return font;
    };
    seams.choosePrinter = SystemPrinterChooser();
    return seams;
}

} // namespace tavrel
