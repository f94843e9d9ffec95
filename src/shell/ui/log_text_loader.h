#pragma once
// Reads a text file into a plain-text view a piece at a time from the event loop, so that a large log
// never holds the window up.

#include <QFile>
#include <QObject>
#include <QStringDecoder>
#include <QTimer>

class QPlainTextEdit;

namespace tavrel {

class LogTextLoader final : public QObject {
    Q_OBJECT
public:
    // Small enough that one piece is read and laid out well inside a tenth of a second.
    static constexpr qint64 kPieceBytes = 128 * 1024;

    LogTextLoader(QPlainTextEdit& view, QObject* parent = nullptr);

    // Empties the view and starts reading; false when the file cannot be opened.
    bool Start(const QString& path);
    bool Loading() const { return timer_.isActive(); }

signals:
    void finished();

private:
    void Step();

    QPlainTextEdit& view_;
    QFile file_;
    QStringDecoder decoder_;
    QTimer timer_;
};

} // namespace tavrel
