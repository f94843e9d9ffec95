#include "shell/ui/info_windows.h"

#include "shell/version.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QLabel* Label(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    return label;
}

QLabel* TitleLabel(QWidget* parent) {
    QLabel* title = Label("Tavrel", "lblTitle", parent);
    QFont font = title->font();
    font.setPointSizeF(font.pointSizeF() * 2);
    font.setBold(true);
    title->setFont(font);
    return title;
}

QDialogButtonBox* OkButton(QDialog* dialog) {
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, dialog);
    buttons->setObjectName("cmdOK");
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName("OK");
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    return buttons;
}

const char* kHelpText =
    "<h3>Tavrel</h3>"
    "<p>Each of the eight panels is one relay of board 1: its name, up to six ON and OFF times "
    "(HH:MM:SS, or H:MM with am or pm), the days it runs on and a cycle code.</p>"
    "<p>The schedule starts with the first change you make, when a schedule is opened, or at once after "
    "a restart that follows a power failure or crash. Click <i>Manual</i>, <i>Invert</i> or the stop "
    "image of a relay to override the schedule; click the counter to reset it.</p>"
    "<p>The status bar shows the time, the date, whether the timer runs, the schedule's file and "
    "board 1.</p>"
    "<p>Closing the window asks whether to save a changed schedule.</p>";

} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName("frmSplash");
    setAccessibleName("Tavrel is starting");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);
    layout->addWidget(TitleLabel(this));
    layout->addWidget(Label("Relay timer for PC interface boards", "lblProduct", this));
    layout->addWidget(Label(QString("Version ") + kProgramVersion, "lblVersion", this));
    layout->addWidget(Label("Starting ...", "lblStarting", this));
    setAutoFillBackground(true);
    // Wide enough for the product line on one line, whatever the font.
    setMinimumWidth(fontMetrics().horizontalAdvance("Relay timer for PC interface boards") + 96);
}

void frmSplash::ShowNow() {
    show();
    raise();
    QCoreApplication::processEvents();
}

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowTitle("About Tavrel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TitleLabel(this));
    layout->addWidget(Label(QString("Version ") + kProgramVersion, "lblVersion", this));
    layout->addWidget(Label("Switches the relays of a PC interface board by a daily and weekly schedule.",
                            "lblDescription", this));
    layout->addWidget(OkButton(this));
}

frmHelp::frmHelp(QWidget* parent) : QDialog(parent) {
    setObjectName("frmHelp");
    setWindowTitle("Tavrel Help");
    auto* layout = new QVBoxLayout(this);
    auto* text = new QTextBrowser(this);
    text->setObjectName("txtHelp");
    text->setAccessibleName("Help text");
    text->setHtml(kHelpText);
    layout->addWidget(text);
    layout->addWidget(OkButton(this));
    resize(480, 360);
}

} // namespace tavrel
