#include "shell/ui/log_text_loader.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

namespace tavrel {

LogTextLoader::LogTextLoader(QPlainTextEdit& view, QObject* parent) : QObject(parent), view_(view) {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, &LogTextLoader::Step);
}

bool LogTextLoader::Start(const QString& path) {
    timer_.stop();
    file_.close();
    view_.clear();
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly))
        return false;
    // The log is written in the machine's own 8-bit text.
    decoder_ = QStringDecoder(QStringDecoder::System);
    timer_.start();
    return true;
}

void LogTextLoader::Step() {
    const QByteArray bytes = file_.read(kPieceBytes);
    QString text = decoder_.decode(bytes);
    text.remove(QLatin1Char('\r'));
    if (!text.isEmpty()) {
        QTextCursor end(view_.document());
        end.movePosition(QTextCursor::End);
        end.insertText(text);
    }
    if (bytes.size() < kPieceBytes) {
        timer_.stop();
        file_.close();
        view_.moveCursor(QTextCursor::Start);
        emit finished();
    }
}

} // namespace tavrel
