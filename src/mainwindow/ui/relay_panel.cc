#include "mainwindow/ui/relay_panel.h"

#include "common/ui/stored_text.h"
#include "resources/main_window_strings.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPainter>
#include <QPolygonF>
#include <QVBoxLayout>

namespace tavrel {

namespace {

QColor ToQColor(BgrColour colour) {
    const Rgb rgb = RgbFromColour(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QColor TextOn(BgrColour colour) {
    const Rgb rgb = TextColourOn(colour);
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QString ToolTip(int id) {
    const std::string_view text = MainWindowString(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The stop sign: a red octagon with a white rim, drawn for the screen's pixel ratio.
QPixmap StopSign(int side, qreal ratio) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF octagon;
    const qreal s = side, c = s * 0.29;
    octagon << QPointF(c, 0.5) << QPointF(s - c, 0.5) << QPointF(s - 0.5, c) << QPointF(s - 0.5, s - c)
            << QPointF(s - c, s - 0.5) << QPointF(c, s - 0.5) << QPointF(0.5, s - c) << QPointF(0.5, c);
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(QColor(0xCC, 0, 0));
    p.drawPolygon(octagon);
    p.fillRect(QRectF(s * 0.22, s * 0.42, s * 0.56, s * 0.16), Qt::white);
    return pixmap;
}

// The icon of a relay without a picture of its own: its number on a plain tile.
QPixmap NumberTile(int side, qreal ratio, int number, const QFont& font) {
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
    p.setBrush(QColor(0xF8, 0xF8, 0xF8));
    p.drawRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), side / 6.0, side / 6.0);
    QFont bold = font;
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRect(0, 0, side, side), Qt::AlignCenter, QString::number(number));
    return pixmap;
}

} // namespace

RelayPanel::RelayPanel(int relay, QWidget* parent) : QFrame(parent), relay_(relay) {
    const QString n = QString::number(relay);
    const QString who = QString("Relay %1 ").arg(relay + 1);
    setObjectName("fraRelayGroup_" + n);
    setAccessibleName(who.trimmed());
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    const int line = fontMetrics().height();
    const QLineEdit probe;
    boxHeight_ = probe.sizeHint().height();
    // Built in tab order: the name, the pairs, the days and the code, then the labels.
    QHBoxLayout* top = BuildTopRow(n, who, line);
    QGridLayout* grid = BuildPairGrid(n, who);
    AddControlRows(grid, n, who, line);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(5, 5, 5, 5);
    layout->setSpacing(3);
    layout->addLayout(top);
    layout->addLayout(grid);
    layout->addStretch();

    ConnectClicks();
    chooseIcon_ = [](QWidget* owner) {
        return QFileDialog::getOpenFileName(
            owner, "Select Icon", {}, "Pictures (*.ico *.bmp *.png *.jpg *.gif *.svg *.xpm);;All files (*)");
    };
    ShowIcon({});
}

QHBoxLayout* RelayPanel::BuildTopRow(const QString& n, const QString& who, int line) {
    icon_ = AddLabel("imgIDIcon_" + n, who + "icon", kTipIcon, {});
    icon_->setFixedSize(2 * line, 2 * line);
    icon_->setAlignment(Qt::AlignCenter);
    icon_->setFrameShape(QFrame::NoFrame);
    name_ = AddBox(EntryKind::Name, relay_, "txtDisplayName_" + n, who + "name", kTipName);
    light_ = new RelayLight(this);
    light_->setObjectName("shpRelayLight_" + n);
    light_->setAccessibleName(who + "state");
    light_->setToolTip(ToolTip(kTipLight));

    auto* top = new QHBoxLayout;
    top->setSpacing(4);
    top->addWidget(icon_);
    top->addWidget(name_, 1);
    top->addWidget(light_);
    return top;
}

QGridLayout* RelayPanel::BuildPairGrid(const QString& n, const QString& who) {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    auto header = [this](const QString& text) {
        auto* l = new QLabel(text, this);
        l->setAlignment(Qt::AlignCenter);
        l->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        return l;
    };
    grid->addWidget(header("ON"), 0, 1);
    grid->addWidget(header("OFF"), 0, 2);
    for (int p = 0; p < kPairsPerRelay; ++p) {
        const int index = PairIndex(relay_, p);
        const QString i = QString::number(index);
        const QString pair = QString::number(p + 1);
        auto* number = new QLabel(pair, this);
        number->setAccessibleName(QString("Pair %1").arg(pair));
        grid->addWidget(number, p + 1, 0, Qt::AlignRight);
        start_[static_cast<size_t>(p)] =
            AddBox(EntryKind::StartTime, index, "txtStartTime_" + i, who + "ON time " + pair, kTipStartTime);
        end_[static_cast<size_t>(p)] =
            AddBox(EntryKind::EndTime, index, "txtEndTime_" + i, who + "OFF time " + pair, kTipEndTime);
        grid->addWidget(start_[static_cast<size_t>(p)], p + 1, 1);
        grid->addWidget(end_[static_cast<size_t>(p)], p + 1, 2);
    }
    days_ = AddBox(EntryKind::DaysOfWeek, relay_, "txtDaysOfWeek_" + n, who + "days", kTipDaysOfWeek);
    code_ = AddBox(EntryKind::CycleCode, relay_, "txtDayHrEvenOdd_" + n, who + "code", kTipCycleCode);
    grid->addWidget(header("Days"), 7, 0);
    grid->addWidget(days_, 7, 1);
    grid->addWidget(code_, 7, 2);
    return grid;
}

void RelayPanel::AddControlRows(QGridLayout* grid, const QString& n, const QString& who, int line) {
    manual_ = AddLabel("lblManual_" + n, who + "manual", kTipManual, "Manual");
    invert_ = AddLabel("lblInvert_" + n, who + "invert", kTipInvert, "Invert");
    stop_ = AddLabel("imgHardStop_" + n, who + "stop", kTipStop, {});
    stop_->setFrameShape(QFrame::NoFrame);
    stop_->setPixmap(StopSign(line + 4, devicePixelRatioF()));
    stop_->setFixedSize(line + 6, line + 6);
    counter_ = AddLabel("lblCounter_" + n, who + "counter", kTipCounter, "Counter");
    total_ = AddLabel("lblTotalTime_" + n, who + "total time", kTipTotalTime, {});
    grid->addWidget(stop_, 8, 0, Qt::AlignCenter);
    grid->addWidget(manual_, 8, 1);
    grid->addWidget(invert_, 8, 2);
    grid->addWidget(counter_, 9, 1);
    grid->addWidget(total_, 9, 2);
    // What the relay does on a holiday, in the order of HolidayRule.
    holiday_ = new QComboBox(this);
    holiday_->setObjectName("cboHoliday_" + n);
    holiday_->setAccessibleName(who + "holiday rule");
    holiday_->setToolTip("On a holiday: RUN as any day, SKIP the day, or run as a SUNDAY");
    for (HolidayRule rule : {HolidayRule::Run, HolidayRule::Skip, HolidayRule::Sunday})
        holiday_->addItem(QString::fromLatin1(HolidayRuleText(rule)), static_cast<int>(rule));
    auto* holidayHeader = new QLabel("Holiday", this);
    holidayHeader->setBuddy(holiday_);
    grid->addWidget(holidayHeader, 10, 0, 1, 1, Qt::AlignRight);
    grid->addWidget(holiday_, 10, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
}

void RelayPanel::ConnectClicks() {
    for (ClickLabel* pressable : {icon_, manual_, invert_, stop_, counter_})
        pressable->makePressable();
    // A left click acts; any other button (a right-click for a menu, a middle click) changes no relay.
    const auto onLeftClick = [this](ClickLabel* label, void (RelayPanel::*signal)(int)) {
        connect(label, &ClickLabel::clicked, this, [this, signal](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                emit(this->*signal)(relay_);
        });
    };
    onLeftClick(manual_, &RelayPanel::manualClicked);
    onLeftClick(invert_, &RelayPanel::invertClicked);
    onLeftClick(stop_, &RelayPanel::stopClicked);
    onLeftClick(icon_, &RelayPanel::iconClicked);
    // Only the user's choice is reported, not the rule a loaded file sets.
    connect(holiday_, &QComboBox::activated, this, [this](int index) {
        emit holidayRuleChosen(relay_, static_cast<HolidayRule>(holiday_->itemData(index).toInt()));
    });
    connect(counter_, &ClickLabel::clicked, this,
            [this](Qt::MouseButton button) { emit counterClicked(relay_, button); });
}

EntryBox* RelayPanel::AddBox(EntryKind kind, int index, const QString& name, const QString& accessible,
                             int tip) {
    auto* box = new EntryBox(kind, index, this);
    box->setObjectName(name);
    box->setAccessibleName(accessible);
    box->setToolTip(ToolTip(tip));
    if (box->isTimeBox()) {
        // Room for "00:00:00" inside the frame; the box grows with the panel.
        box->setMinimumWidth(box->fontMetrics().horizontalAdvance("00:00:00") + 14);
        box->setAlignment(Qt::AlignCenter);
    }
    if (kind == EntryKind::CycleCode || kind == EntryKind::DaysOfWeek)
        box->setAlignment(Qt::AlignCenter);
    boxes_[static_cast<size_t>(boxCount_++)] = box;
    return box;
}

ClickLabel* RelayPanel::AddLabel(const QString& name, const QString& accessible, int tip,
                                 const QString& text) {
    auto* label = new ClickLabel(text, this);
    label->setObjectName(name);
    label->setAccessibleName(accessible);
    label->setToolTip(ToolTip(tip));
    label->setAlignment(Qt::AlignCenter);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(">Invr-Man<") + 8);
    // As tall as a box, so that extra height spreads the rows evenly instead of swelling the labels.
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    label->setFixedHeight(boxHeight_);
    return label;
}

void RelayPanel::LoadTexts(const RelayRecord& record, const TimePair* pairs) {
    name_->setText(FromStored(record.DisplayName));
    days_->setText(FromStored(record.DaysOfWeek));
    code_->setText(FromStored(record.CycleCode));
    holiday_->setCurrentIndex(holiday_->findData(static_cast<int>(record.Holiday)));
    for (int p = 0; p < kPairsPerRelay; ++p) {
        start_[static_cast<size_t>(p)]->setText(FromStored(pairs[p].StartTime));
        end_[static_cast<size_t>(p)]->setText(FromStored(pairs[p].EndTime));
    }
}

void RelayPanel::ShowSunNotes(const RelaySunNotes& notes) {
    for (size_t b = 0; b < notes.size(); ++b) {
        if (notesShown_ && (*notesShown_)[b] == notes[b])
            continue;
        EntryBox* box = b % 2 == 0 ? start_[b / 2] : end_[b / 2];
        const QString tip = ToolTip(b % 2 == 0 ? kTipStartTime : kTipEndTime);
        const QString note = QString::fromStdString(notes[b]);
        box->setToolTip(note.isEmpty() ? tip : note + "\n\n" + tip);
        box->setAccessibleDescription(note);
        // Italics tell a sun-based time from a fixed one at a glance.
        QFont font = box->font();
        font.setItalic(!note.isEmpty());
        box->setFont(font);
    }
    notesShown_ = notes;
}

void RelayPanel::ShowIcon(const std::string& path) {
    const int side = icon_->width();
    const qreal ratio = devicePixelRatioF();
    QPixmap picture;
    if (!path.empty() && picture.load(FromStored(path))) {
        picture = picture.scaled(QSize(side, side) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    } else {
        picture = NumberTile(side, ratio, relay_ + 1, font());
    }
    icon_->setPixmap(picture);
}

void RelayPanel::Draw(const PanelLook& look) {
    const PanelLook* old = drawn_ ? &*drawn_ : nullptr;
    const RelayDisplay* was = old != nullptr ? &old->relay : nullptr;
    const RelayDisplay& d = look.relay;
    auto differs = [old, &look](auto member) { return old == nullptr || old->*member != look.*member; };
    auto changed = [was, &d](auto member) { return was == nullptr || was->*member != d.*member; };
    auto paint = [](QWidget* w, BgrColour c, bool base) { SetColours(w, ToQColor(c), TextOn(c), base); };
    auto caption = [](ClickLabel* label, const std::string& text) {
        label->setText(FromStored(text));
        label->setAccessibleDescription(label->text());
    };

    if (differs(&PanelLook::panel))
        paint(this, look.panel, false);
    if (differs(&PanelLook::nameBackground))
        paint(name_, look.nameBackground, true);
    if (changed(&RelayDisplay::light) || changed(&RelayDisplay::lightText) || changed(&RelayDisplay::fault))
        light_->setState(ToQColor(d.light), QString::fromStdString(d.lightText),
                         QString::fromStdString(d.fault));
    if (changed(&RelayDisplay::next))
        light_->setToolTip(d.next.empty() ? ToolTip(kTipLight)
                                          : ToolTip(kTipLight) + "\n" + QString::fromStdString(d.next));
    for (size_t p = 0; p < kPairsPerRelay; ++p) {
        if (was == nullptr || was->startBox[p] != d.startBox[p])
            paint(start_[p], d.startBox[p], true);
        if (was == nullptr || was->endBox[p] != d.endBox[p])
            paint(end_[p], d.endBox[p], true);
    }
    if (changed(&RelayDisplay::codeBox))
        paint(code_, d.codeBox, true);
    if (changed(&RelayDisplay::manualLabel))
        paint(manual_, d.manualLabel, false);
    if (changed(&RelayDisplay::invertLabel))
        paint(invert_, d.invertLabel, false);
    if (changed(&RelayDisplay::invertCaption))
        caption(invert_, d.invertCaption);
    if (changed(&RelayDisplay::stopped))
        stop_->setAccessibleDescription(d.stopped ? "STOP" : "");
    if (changed(&RelayDisplay::totalTimeText))
        caption(total_, d.totalTimeText);
    if (changed(&RelayDisplay::totalTimeBackground))
        paint(total_, d.totalTimeBackground, false);
    if (changed(&RelayDisplay::counterLabel))
        paint(counter_, d.counterLabel, false);
    if (changed(&RelayDisplay::counterCaption))
        caption(counter_, d.counterCaption);
    if (differs(&PanelLook::iconFile))
        ShowIcon(look.iconFile);
    drawn_ = look;
}

} // namespace tavrel
