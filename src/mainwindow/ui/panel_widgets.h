#pragma once
// The small widgets a relay panel is built from: entry boxes, clickable labels and the relay's light.

#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace tavrel {

enum class EntryKind { Name, StartTime, EndTime, DaysOfWeek, CycleCode };

// A box of a relay panel. Enter moves on as Tab does; a time box turns a typed "." into ":". A time box
// shows a text too wide for it ("sunrise-01:15:30" in a narrow panel) whole, in narrower or smaller
// letters, instead of scrolling it out of sight; while it is being edited it is drawn as typed.
class EntryBox final : public QLineEdit {
    Q_OBJECT
public:
    using Kind = EntryKind;
    EntryBox(Kind kind, int index, QWidget* parent);

    Kind kind() const { return kind_; }
    // The table index: the pair index for time boxes, the relay index for the others.
    int index() const { return index_; }
    bool isTimeBox() const { return kind_ == Kind::StartTime || kind_ == Kind::EndTime; }

    // The width the text has inside the frame, and the font it is shown in while not being edited.
    int textRoom() const;
    const QFont& shownFont() const { return shown_; }

signals:
    void entered(tavrel::EntryBox* box);
    void leaving(tavrel::EntryBox* box, Qt::FocusReason reason);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Refit();

    Kind kind_;
    int index_;
    QFont shown_;
};

// A label that reports clicks, for the manual, invert, stop, counter and icon controls. Once made
// pressable it takes focus from the keyboard (never from a click, which leaves the boxes alone), and
// Space or Enter press it as the left button does; the menu key as the right one.
class ClickLabel final : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
    void makePressable();

signals:
    void clicked(Qt::MouseButton button);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

// The relay's light: a round lamp in the state's colour, with the state written beside it.
class RelayLight final : public QWidget {
    Q_OBJECT
public:
    explicit RelayLight(QWidget* parent);
    // `fault` ("fault: board reads OFF"), when not empty, rings the light in the error colour and is
    // added to its description.
    void setState(const QColor& colour, const QString& text, const QString& fault = {});
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor colour_;
    QString text_;
    QString fault_;
};

// The colour of a fault on a light or in the status bar.
QColor ErrorColour();
// Draws a label's text in the error colour, or as the style has it.
void ShowAsError(QWidget* widget, bool error);

// Background and a readable text colour for `widget` (`base` true for boxes, false for labels).
void SetColours(QWidget* widget, const QColor& background, const QColor& text, bool base);

} // namespace tavrel
