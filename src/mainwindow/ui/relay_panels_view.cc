#include "mainwindow/ui/relay_panels_view.h"

#include "common/ui/stored_text.h"
#include "engine/counters.h"
#include "engine/relay_commands.h"
#include "engine/relay_display.h"
#include "mainwindow/context_entry_effects.h"
#include "mainwindow/panel_look.h"
#include "mainwindow/sun_box_note.h"
#include "mainwindow/ui/panel_widgets.h"
#include "mainwindow/ui/relay_panel.h"
#include "shell/program_context.h"

#include <QGridLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace tavrel {

namespace {

constexpr int kColumns = 4;

} // namespace

RelayPanelsView::RelayPanelsView(ProgramContext& ctx, TickHost& host, QWidget* parent)
    : QWidget(parent), ctx_(ctx), effects_(std::make_unique<ContextEntryEffects>(ctx, host)),
      entry_(std::make_unique<ScheduleEntry>(MakeScheduleEntry(ctx, *effects_))) {
    setObjectName("relayPanels");
    auto* inner = new QWidget;
    inner->setObjectName("relayPanelsArea");
    auto* grid = new QGridLayout(inner);
    grid->setContentsMargins(4, 4, 4, 4);
    grid->setSpacing(4);
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        auto* panel = new RelayPanel(r, inner);
        panels_[static_cast<size_t>(r)] = panel;
        grid->addWidget(panel, r / kColumns, r % kColumns);
        for (EntryBox* box : panel->Boxes()) {
            connect(box, &EntryBox::leaving, this, &RelayPanelsView::Leave);
            connect(box, &EntryBox::entered, this,
                    [this](EntryBox* b) { emit focusedTextChanged(b->text()); });
            connect(box, &QLineEdit::textEdited, this, [this, box](const QString& t) { Edited(box, t); });
        }
        connect(panel, &RelayPanel::manualClicked, this, [this](int relay) {
            ToggleManual(ctx_.engine, relay);
            ApplyDisplayState();
            emit scheduleEdited();
        });
        connect(panel, &RelayPanel::invertClicked, this, [this](int relay) {
            ToggleInvert(ctx_.engine, relay);
            ApplyDisplayState();
            emit scheduleEdited();
        });
        connect(panel, &RelayPanel::stopClicked, this, [this](int relay) {
            ToggleStop(ctx_.engine, relay);
            ApplyDisplayState();
            emit scheduleEdited();
        });
        connect(panel, &RelayPanel::counterClicked, this, [this](int relay, Qt::MouseButton button) {
            if (button != Qt::LeftButton && button != Qt::RightButton)
                return;
            CounterClicked(ctx_.engine, relay,
                           button == Qt::LeftButton ? MouseButton::Left : MouseButton::Right);
            ApplyDisplayState();
        });
        connect(panel, &RelayPanel::holidayRuleChosen, this, [this](int relay, HolidayRule rule) {
            SetHolidayRule(ctx_.engine, relay, rule);
            ApplyDisplayState();
            emit scheduleEdited();
        });
        connect(panel, &RelayPanel::iconClicked, this, &RelayPanelsView::ChooseIcon);
    }
    for (int c = 0; c < kColumns; ++c)
        grid->setColumnStretch(c, 1);

    auto* scroll = new QScrollArea(this);
    scroll->setObjectName("relayPanelsScroll");
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidget(inner);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);
    LoadFromTables();
}

RelayPanelsView::~RelayPanelsView() {
    // The boxes outlive the entry rules by a moment; nothing they say then may reach them.
    for (RelayPanel* panel : panels_)
        for (EntryBox* box : panel->Boxes())
            box->disconnect(this);
}

void RelayPanelsView::LoadFromTables() {
    PrimeDisplayState(ctx_.display, ctx_.schedule, ctx_.settings);
    for (RelayPanel* panel : panels_) {
        const int r = panel->relay();
        panel->LoadTexts(ctx_.schedule.RelayArray[r], &ctx_.schedule.TimeArray[PairIndex(r, 0)]);
        panel->ForgetLook();
    }
    ApplyDisplayState();
    emit scheduleEdited();
}

void RelayPanelsView::ApplyDisplayState() {
    for (RelayPanel* panel : panels_) {
        panel->Draw(PanelLookFor(panel->relay(), ctx_.display, ctx_.schedule, ctx_.settings));
        panel->ShowSunNotes(SunNotesFor(panel->relay(), ctx_.schedule, ctx_.clock.Today()));
    }
}

void RelayPanelsView::Leave(EntryBox* box, Qt::FocusReason reason) {
    // Leaving for a menu or another window is not leaving the box; nor is a move made by a refusal.
    if (validating_ || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
        reason == Qt::MenuBarFocusReason || !isVisible())
        return;
    validating_ = true;
    const TypedText typed = ToStored(box->text());
    const std::string& text = typed.text;
    const int i = box->index();
    EntryOutcome out;
    switch (box->kind()) {
    case EntryBox::Kind::Name:
        out = entry_->LeaveDisplayName(i, typed);
        break;
    case EntryBox::Kind::StartTime:
        out = entry_->LeaveStartTime(i, text);
        break;
    case EntryBox::Kind::EndTime:
        out = entry_->LeaveEndTime(i, text);
        break;
    case EntryBox::Kind::DaysOfWeek:
        out = entry_->LeaveDaysOfWeek(i, text);
        break;
    case EntryBox::Kind::CycleCode:
        out = entry_->LeaveCycleCode(i, text);
        break;
    }
    const QString shown = FromStored(out.shown);
    if (shown != box->text())
        box->setText(shown);
    ApplyDisplayState();
    if (!out.accepted) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
    validating_ = false;
    if (out.accepted)
        emit scheduleEdited();
}

void RelayPanelsView::Edited(EntryBox* box, const QString& text) {
    emit focusedTextChanged(text);
    if (box->kind() == EntryBox::Kind::StartTime && box->index() % kPairsPerRelay == 0) {
        entry_->StartTimeTyped(box->index());
        ApplyDisplayState();
    }
}

void RelayPanelsView::ChooseIcon(int relay) {
    const QString path = panels_[static_cast<size_t>(relay)]->ChooseIcon();
    entry_->SetIconFile(relay, ToStored(path).text);
    ApplyDisplayState();
}

} // namespace tavrel
