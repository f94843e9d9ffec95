#include "shell/ui/info_windows.h"

#include "shell/version.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTextBrowser>
#include <QTimer>
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

void frmSplash::mousePressEvent(QMouseEvent* event) {
    event->accept();
    close();
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
    layout->addWidget(
        Label(QString("Build %1 %2, Qt %3").arg(__DATE__, __TIME__, qVersion()), "lblBuild", this));
    QLabel* licence = Label(kAboutLicenceHtml, "lblLicence", this);
    licence->setAccessibleName("Qt licence");
    licence->setTextFormat(Qt::RichText);
    licence->setOpenExternalLinks(true);
    layout->addWidget(licence);
    layout->addWidget(OkButton(this));
    // The licence wraps; give it the width of a short paragraph.
    setMinimumWidth(fontMetrics().horizontalAdvance(QString(48, 'x')));
}

void ShowSplashAgain(QWidget* parent) {
    auto* splash = new frmSplash(parent);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->findChild<QLabel*>("lblStarting")->setText("Click to close");
    splash->ShowNow();
    QTimer::singleShot(4000, splash, &QWidget::close);
}

frmHelp::frmHelp(const HelpText& help, QWidget* parent) : QDialog(parent) {
    setObjectName("frmHelp");
    setWindowTitle(help.title);
    auto* layout = new QVBoxLayout(this);
    auto* text = new QTextBrowser(this);
    text->setObjectName("txtHelp");
    text->setAccessibleName("Help text");
    text->setOpenExternalLinks(true);
    text->setHtml(help.html);
    layout->addWidget(text);
    layout->addWidget(OkButton(this));
    // Room for the cycle-code table without a sideways scroll.
    resize(QSize(fontMetrics().horizontalAdvance(QString(90, 'x')), fontMetrics().height() * 36)
               .boundedTo(screen()->availableGeometry().size()));
}

} // namespace tavrel
