// The Calendar section of the configuration window: the holiday calendar files, a file chooser that adds
// to them, and the next holidays they give, read again when the field is left or files are chosen.

#include "common/date_text.h"
#include "config/settings_table.h"
#include "config/ui/config_sections.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>

namespace tavrel {

namespace {

// The list runs down two columns side by side, so that it stays low.
constexpr int kListRows = (kComingHolidayCount + 1) / 2;
// The window must still fit its screen: a long name is cut short (the screen reader gets it whole), and
// many notes scroll.
constexpr int kNameWidthChars = 24;
constexpr int kNoteLines = 3;

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

// A path breaks after its separators where the line is full.
QString Breakable(QString text) {
    text.replace('/', QString("/") + QChar(0x200B));
    text.replace('\\', QString("\\") + QChar(0x200B));
    return text;
}

// The folder of the last file listed, where another calendar is likely to be.
QString StartFolder(const QString& files) {
    const QString last = files.section(';', -1).trimmed();
    return last.isEmpty() ? QString() : QFileInfo(last).absolutePath();
}

} // namespace

FilesPicker SystemFilesPicker() {
    return [](const QString& start, QWidget* parent) {
        QStringList chosen = QFileDialog::getOpenFileNames(parent, "Holiday Calendar Files", start,
                                                           "iCalendar files (*.ics);;All files (*)");
        for (QString& path : chosen)
            path = QDir::toNativeSeparators(path);
        return chosen;
    };
}

CalendarSection::CalendarSection(HolidayFilesModel& model, SectionHost host, FilesPicker pickFiles,
                                 QWidget* parent)
    : QGroupBox("Calendar", parent), model_(model), host_(std::move(host)), pickFiles_(std::move(pickFiles)) {
    setObjectName("fraCalendar");
    const SettingRow& row = RowOf(&Settings::HolidayFiles);
    files_ = new QLineEdit(this);
    files_->setObjectName(row.control);
    files_->setAccessibleName(row.plain);
    files_->setToolTip("One or more iCalendar files (.ics) separated by ;, each with its full path");
    connect(files_, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
    host_.checks.Add(files_, [this] { return model_.Leave(files_->text().toStdString()); });
    auto* browse = new QPushButton("Browse...", this);
    browse->setObjectName("cmdHolidayFilesBrowse");
    browse->setAccessibleName("Choose holiday calendar files");
    browse->setToolTip("Add one or more iCalendar files (.ics) to the holiday files");
    browse->setAutoDefault(false);
    connect(browse, &QPushButton::clicked, this, &CalendarSection::Browse);

    coming_ = new QLabel(this);
    coming_->setObjectName("lblComingHolidays");
    coming_->setAccessibleName("Next holidays");
    coming_->setTextFormat(Qt::RichText);
    notes_ = new QLabel(this);
    notes_->setObjectName("lblHolidayNotes");
    notes_->setAccessibleName("Holiday calendar notes");
    notes_->setWordWrap(true);
    notes_->setTextFormat(Qt::PlainText);
    notesArea_ = new QScrollArea(this);
    notesArea_->setObjectName("scrHolidayNotes");
    notesArea_->setAccessibleName("Holiday calendar notes");
    notesArea_->setWidget(notes_);
    notesArea_->setWidgetResizable(true);
    notesArea_->setFrameShape(QFrame::NoFrame);
    notesArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    notesArea_->setMaximumHeight(fontMetrics().lineSpacing() * kNoteLines + 2);
    notesArea_->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    notesArea_->viewport()->setAutoFillBackground(false);
    notes_->setAutoFillBackground(false);
    notes_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(row.label, this), 0, 0);
    grid->addWidget(files_, 0, 1);
    grid->addWidget(browse, 0, 2);
    comingCaption_ = new QLabel("Next Holidays", this);
    grid->addWidget(comingCaption_, 1, 0, Qt::AlignTop);
    grid->addWidget(coming_, 1, 1, 1, 2);
    grid->addWidget(notesArea_, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
}

void CalendarSection::Browse() {
    if (!host_.checks.CommitFocused() || !pickFiles_)
        return;
    const QStringList chosen = pickFiles_(StartFolder(files_->text()), this);
    if (chosen.isEmpty())
        return;
    std::vector<std::string> paths;
    for (const QString& path : chosen)
        paths.push_back(path.toStdString());
    model_.AddChosen(paths);
    host_.showModel();
}

void CalendarSection::ShowComing() {
    const std::vector<ComingHoliday>& coming = model_.Coming();
    QStringList lines;
    QString table = "<table cellspacing=\"0\" cellpadding=\"0\">";
    for (int r = 0; r < kListRows && r < static_cast<int>(coming.size()); ++r) {
        table += "<tr>";
        for (int c = 0; c < 2; ++c) {
            const size_t i = static_cast<size_t>(c * kListRows + r);
            if (i >= coming.size())
                break;
            const QString name = fontMetrics().elidedText(Text(coming[i].name), Qt::ElideRight,
                                                          fontMetrics().averageCharWidth() * kNameWidthChars);
            table +=
                QString("<td style=\"padding-right:8px\">%1</td><td style=\"padding-right:24px\">%2</td>")
                    .arg(Text(IsoDateText(coming[i].date)), name.toHtmlEscaped());
        }
        table += "</tr>";
    }
    for (const ComingHoliday& holiday : coming)
        lines << Text(HolidayFilesModel::Line(holiday));
    coming_->setText(coming.empty() ? QString() : table + "</table>");
    coming_->setAccessibleDescription(lines.join('\n'));
    coming_->setVisible(!coming.empty());
    comingCaption_->setVisible(!coming.empty());

    QStringList notes;
    for (const std::string& note : model_.Notes())
        notes << Text(note);
    notes_->setText(Breakable(notes.join('\n')));
    notes_->setAccessibleDescription(notes.join('\n'));
    notesArea_->setAccessibleDescription(notes.join('\n'));
    notesArea_->setVisible(!notes.isEmpty());
}

void CalendarSection::Show() {
    files_->setText(Text(model_.Text()));
    ShowComing();
}

} // namespace tavrel
