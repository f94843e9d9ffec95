#include "mainwindow/ui/frm_relay.h"

#include "formutil/ui/lean_style.h"
#include "formutil/ui/window_placement_ui.h"
#include "mainwindow/holiday_list.h"
#include "mainwindow/status_bar_text.h"
#include "mainwindow/ui/main_menu.h"
#include "mainwindow/ui/panel_widgets.h"
#include "mainwindow/ui/program_configuration.h"
#include "mainwindow/ui/relay_panels_view.h"
#include "shell/mqtt_service.h"
#include "shell/program_context.h"
#include "shell/startup.h"
#include "shell/ui/qt_tick_host.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

namespace tavrel {

namespace {

constexpr const char* kPlacementName = "frmRelay";

const char* const kStatusNames[kStatusFields] = {"Current time",  "Current date", "Timer state",
                                                 "Schedule file", "Board 1",      "Focused box"};

} // namespace

frmRelay::frmRelay(ProgramContext& ctx, QtTickHost& host, QWidget* parent)
    : QMainWindow(parent), ctx_(ctx), host_(host), files_(ctx), panels_(new RelayPanelsView(ctx, host, this)),
      menu_(new MainMenu(ctx, host, files_, *this)) {
    setObjectName("frmRelay");
    setCentralWidget(panels_);
    BuildStatusBar();
    connect(&host_, &QtTickHost::displayChanged, panels_, &RelayPanelsView::ApplyDisplayState);
    connect(&host_, &QtTickHost::statusBarDue, this, &frmRelay::RefreshCaptionAndStatus);
    connect(panels_, &RelayPanelsView::focusedTextChanged, this, [this](const QString& text) {
        focusedText_ = text;
        RefreshCaptionAndStatus();
    });
    host_.SetCloseProgram([this] {
        close();
        return closed_;
    });
    files_.SetAskSavePath([this] { return AskForSavePath(); });
    resize(QSize(1000, 700).boundedTo(screen()->availableGeometry().size()));
}

frmRelay::~frmRelay() = default;

void frmRelay::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < kStatusFields; ++i) {
        auto* field = new QLabel(bar);
        field->setObjectName(QString("StatusBar1_%1").arg(i + 1));
        field->setAccessibleName(kStatusNames[i]);
        field->setFrameShape(QFrame::StyledPanel);
        field->setFrameShadow(QFrame::Sunken);
        field->setContentsMargins(4, 0, 4, 0);
        // The file and the focused box take what room is left; the others fit their text.
        const int stretch = i == kStatusFile ? 3 : (i == kStatusFocus ? 1 : 0);
        bar->addPermanentWidget(field, stretch);
        statusFields_.append(field);
    }
    holidayField_ = new QPushButton(bar);
    holidayField_->setObjectName("StatusBarHoliday");
    holidayField_->setFlat(true);
    holidayField_->setFocusPolicy(Qt::NoFocus);
    holidayField_->setVisible(false);
    connect(holidayField_, &QPushButton::clicked, this, [this] { menu_->ShowHolidays(); });
    bar->addPermanentWidget(holidayField_);
    mqttField_ = new QPushButton(bar);
    mqttField_->setObjectName("StatusBarMqtt");
    mqttField_->setFlat(true);
    mqttField_->setFocusPolicy(Qt::NoFocus);
    mqttField_->setToolTip("MQTT settings");
    connect(mqttField_, &QPushButton::clicked, this, [this] {
        OpenMqttConfiguration(ctx_, {host_.Mqtt(), host_.Holidays()}, this);
        RefreshMqttField();
    });
    bar->addPermanentWidget(mqttField_);
}

void frmRelay::RefreshMqttField() {
    const MqttLinkState state = host_.Mqtt() != nullptr ? host_.Mqtt()->LinkState() : MqttLinkState::Off;
    const QString text = state == MqttLinkState::Connected  ? "MQTT: connected"
                         : state == MqttLinkState::Retrying ? "MQTT: retrying"
                                                            : "MQTT: off";
    if (mqttField_->text() == text)
        return;
    mqttField_->setText(text);
    mqttField_->setAccessibleName(text + ", MQTT settings");
}

void frmRelay::RefreshHolidayField() {
    const HolidayField field = HolidayStatusField(CalendarStateOf(host_.Holidays()), ctx_.clock.Today());
    holidayField_->setVisible(field.shown);
    const QString text = QString::fromStdString(field.text);
    const QString tip = QString::fromStdString(field.toolTip);
    if (holidayField_->text() == text && holidayField_->toolTip() == tip)
        return;
    holidayField_->setText(text);
    holidayField_->setToolTip(tip);
    holidayField_->setAccessibleName(text + ", Holidays");
    holidayField_->setAccessibleDescription(tip);
    // A button draws its caption in the button text colour.
    QPalette pal = statusBar()->palette();
    if (field.problem)
        pal.setColor(QPalette::ButtonText, ErrorColour());
    holidayField_->setPalette(pal);
}

bool frmRelay::Load() {
    setWindowIcon(ProgramIcon());
    // A new schedule starts without a file of its own, whatever file was used last.
    ctx_.settings.DataFileName.clear();
    const bool restarted = LoadScheduleAtStart(ctx_);
    panels_->LoadFromTables();
    menu_->Load();
    RestoreWindowPlacement(*this, ctx_.regApi, kPlacementName);
    RefreshCaptionAndStatus();
    host_.Start();
    return restarted;
}

void frmRelay::OpenFromCommandLine(const QString& path) {
    if (ctx_.files.RestartedAfterCrash != kFalse) {
        note_ = QString("%1 not opened: resumed the schedule of a run that did not end normally")
                    .arg(QFileInfo(path).fileName());
        RefreshCaptionAndStatus();
        return;
    }
    menu_->OpenRunFile(QFileInfo(path).absoluteFilePath());
}

void frmRelay::RefreshCaptionAndStatus() {
    StatusBarInput in;
    in.now = ctx_.clock.Now();
    in.timerEnabled = ctx_.engineState.TimerEnabled;
    in.restartedAfterCrash = ctx_.files.RestartedAfterCrash;
    in.restartWriteDisabled = ctx_.files.RestartWriteDisabled;
    in.logProblem = ctx_.eventLog.Problem;
    in.dataFilePath = ctx_.settings.DataFilePath;
    in.dataFileName = ctx_.settings.DataFileName;
    in.board1 = ctx_.schedule.BoardArray[0];
    in.board1Fault = ctx_.boardState.health[0].faultText;
    in.focusedText = focusedText_.toStdString();
    const auto texts = StatusBarTexts(in);
    for (int i = 0; i < kStatusFields; ++i) {
        QString text = QString::fromStdString(texts[static_cast<size_t>(i)]);
        if (i == kStatusFile && !note_.isEmpty())
            text += " (" + note_ + ")";
        if (statusFields_[i]->text() != text)
            statusFields_[i]->setText(text);
    }
    ShowAsError(statusFields_[kStatusBoard], !in.board1Fault.empty());
    const QString caption = QString::fromStdString(MainWindowCaption(in));
    if (windowTitle() != caption)
        setWindowTitle(caption);
    menu_->SetSaveEnabled(ctx_.files.RestartedAfterCrash == kFalse);
    RefreshMqttField();
    RefreshHolidayField();
}

std::string frmRelay::AskForSavePath() {
    const QString path = QFileDialog::getSaveFileName(
        this, "Save Run-Schedule As", QString::fromStdString(ctx_.drives.Map(ctx_.settings.DataFilePath)),
        kRunFileFilter);
    if (path.isEmpty())
        return {};
    return path.endsWith(".run", Qt::CaseInsensitive) ? path.toStdString() : (path + ".run").toStdString();
}

void frmRelay::CloseBySystem() {
    closeBySystem_ = true;
    close();
}

void frmRelay::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    if (!files_.CloseRequest(closeBySystem_ ? CloseKind::BySystem : CloseKind::ByUser)) {
        event->ignore();
        RefreshCaptionAndStatus();
        emit closeCancelled();
        return;
    }
    SaveWindowPlacement(*this, ctx_.regApi, kPlacementName);
    closed_ = true;
    event->accept();
    emit unloaded();
}

} // namespace tavrel
