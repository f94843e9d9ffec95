#include "config/ui/mqtt_settings_window.h"

#include "common/ui/stored_text.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QPushButton* Button(const QString& text, const QString& name, const QString& accessible, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setAccessibleName(accessible);
    b->setAutoDefault(false);
    return b;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

MqttSettingsWindow::MqttSettingsWindow(MqttSettingsModel& model, MessageBoxes& boxes, CheckConnection check,
                                       FilePicker pickFile, QWidget* parent)
    : QDialog(parent), model_(model), boxes_(boxes), check_(std::move(check)),
      pickFile_(std::move(pickFile)) {
    setObjectName("frmConfigMqtt");
    setWindowTitle("Tavrel Configuration MQTT");
    setAccessibleName(windowTitle());
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    for (const MqttField& field : model_.Fields())
        AddField(field, form);

    problem_ = new QLabel(this);
    problem_->setObjectName("lblProblem");
    problem_->setAccessibleName("Entry refused");
    problem_->setWordWrap(true);
    result_ = new QLabel(this);
    result_->setObjectName("lblTestResult");
    result_->setAccessibleName("Connection test result");
    result_->setWordWrap(true);
    result_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    test_ = Button("Test conn&ection", "cmdTestConnection", "Test connection without saving", this);
    save_ = Button("Save", "cmdSave", "Save and restart the MQTT link", this);
    cancel_ = Button("Cancel Changes", "cmdCancel", "Cancel changes", this);
    auto* exit = Button("Exit", "cmdExit", "Exit", this);
    connect(test_, &QPushButton::clicked, this, &MqttSettingsWindow::TestClicked);
    connect(save_, &QPushButton::clicked, this, &MqttSettingsWindow::SaveClicked);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        model_.CancelChanges();
        ShowModel();
    });
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(this, &MqttSettingsWindow::testFinished, this, [this](const QString& text) {
        result_->setText(text);
        test_->setEnabled(true);
        tester_->wait();
        delete tester_;
        tester_ = nullptr;
    });

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(test_);
    buttons->addStretch();
    buttons->addWidget(save_);
    buttons->addWidget(cancel_);
    buttons->addWidget(exit);
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(form);
    outer->addWidget(problem_);
    outer->addWidget(result_);
    outer->addStretch();
    outer->addLayout(buttons);
    // Room for a host name, a topic prefix or a file path without scrolling in the field.
    setMinimumWidth(520);
    ShowModel();
}

MqttSettingsWindow::~MqttSettingsWindow() {
    // The test ends within its own time limit; it must not outlive the window it reports to.
    if (tester_ != nullptr) {
        tester_->wait();
        delete tester_;
    }
}

void MqttSettingsWindow::AddField(const MqttField& field, QFormLayout* form) {
    const QString name = Q(field.setting->name);
    if (field.kind == MqttFieldKind::Check) {
        auto* box = new QCheckBox(Q(field.label), this);
        box->setObjectName("chk" + name);
        box->setAccessibleName(Q(field.accessible));
        connect(box, &QCheckBox::clicked, this, [this, &field](bool on) {
            Leave(field, {on ? "1" : "0", {}});
        });
        checks_[&field] = box;
        form->addRow(box);
        return;
    }
    auto* edit = new QLineEdit(this);
    edit->setObjectName("txt" + name);
    edit->setAccessibleName(Q(field.accessible));
    if (field.kind == MqttFieldKind::Secret)
        edit->setEchoMode(QLineEdit::Password);
    connect(edit, &QLineEdit::editingFinished, this,
            [this, &field, edit] { Leave(field, ToStored(edit->text())); });
    texts_[&field] = edit;
    auto* label = new QLabel(Q(field.label), this);
    label->setBuddy(edit);
    if (field.kind != MqttFieldKind::File) {
        form->addRow(label, edit);
        return;
    }
    auto* browse = Button("&Browse...", "cmdBrowse" + name, "Choose the " + Q(field.accessible), this);
    connect(browse, &QPushButton::clicked, this, [this, &field, edit] {
        const QString chosen = pickFile_ ? pickFile_(edit->text(), this) : QString();
        if (!chosen.isEmpty())
            Leave(field, ToStored(chosen));
    });
    auto* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    form->addRow(label, row);
}

void MqttSettingsWindow::ShowModel() {
    for (const auto& [field, edit] : texts_)
        edit->setText(FromStored(model_.Text(*field)));
    for (const auto& [field, box] : checks_)
        box->setChecked(model_.Text(*field) == "1");
    save_->setEnabled(model_.Changed());
    cancel_->setEnabled(model_.Changed());
}

void MqttSettingsWindow::Leave(const MqttField& field, const TypedText& text) {
    std::string reason;
    if (model_.Leave(field, text, reason))
        problem_->clear();
    else
        problem_->setText(Q(field.setting->name + ": " + reason + "."));
    ShowModel();
}

bool MqttSettingsWindow::CommitTexts() {
    for (const auto& [field, edit] : texts_) {
        std::string reason;
        if (!model_.Leave(*field, ToStored(edit->text()), reason)) {
            problem_->setText(Q(field->setting->name + ": " + reason + "."));
            edit->setFocus();
            return false;
        }
    }
    ShowModel();
    return true;
}

void MqttSettingsWindow::TestClicked() {
    if (tester_ != nullptr || !CommitTexts())
        return;
    const MqttSettings tried = model_.Entered();
    result_->setText(QString("Trying %1:%2 ...").arg(FromStored(tried.Host)).arg(tried.Port));
    test_->setEnabled(false);
    tester_ = QThread::create([this, tried] { emit testFinished(Q(check_(tried))); });
    tester_->start();
}

void MqttSettingsWindow::SaveClicked() {
    if (!CommitTexts())
        return;
    model_.Save();
    ShowModel();
}

void MqttSettingsWindow::reject() {
    if (CommitTexts() && model_.RequestClose(boxes_))
        QDialog::reject();
    else
        ShowModel();
}

void MqttSettingsWindow::closeEvent(QCloseEvent* event) {
    // The title bar's close is Exit: one question, in reject.
    event->ignore();
    reject();
}

} // namespace tavrel
