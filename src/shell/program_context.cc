#include "shell/program_context.h"

namespace tavrel {

namespace {
constexpr int kSubscriptOutOfRange = 9;
}

ProgramContext::ProgramContext(const Platform& p)
    : clock(p.clock), boxes(p.boxes), drives(p.drives), folders(p.folders), power(p.power),
      portAccess(p.ports, p.folders, p.boxes), commPorts(p.serial), x10(commPorts, p.clock, p.boxes),
      boards(schedule.BoardArray, schedule.OutputReadback, schedule.InputReadback, boardState, portAccess,
             x10, p.clock, p.boxes),
      regApi(p.registry, p.boxes), eventLog(settings, schedule.BoardArray, p.clock, p.drives,
                                            [this] { NewConfiguration().ConfigurationLogFileNameSave(); }),
      runFiles(schedule, settings, files, p.boxes, p.drives, p.clock),
      events(*this), engine{schedule,   engineState, settings, display, boards,
                            boardState, p.clock,     p.boxes,  events} {
    schedule.Sun.SetZone(&p.clock.Zone());
    schedule.Sun.FollowSettings(&settings);
    runFiles.OnSunTimesWithoutPlace = [this] {
        eventLog.WriteEvent("Sun-based Times", "Not run: no location set");
    };
    eventLog.OnNotice = [this](const std::string& line) {
        if (notices != nullptr)
            *notices << "tavreld: " << line << "\n";
    };
    schedule.SetIndexErrorReporter([this](const std::string& table, int index) {
        ReportRuntimeError(boxes, kSubscriptOutOfRange,
                           "Subscript out of range (" + std::to_string(index) + ")", table);
    });
}

clsConfiguration ProgramContext::NewConfiguration() {
    clsConfiguration store(regApi, settings, schedule.BoardArray, schedule.RelayGroupColors, folders, boxes);
    store.InitializeShowErrors();
    return store;
}

void ReportRuntimeError(MessageBoxes& boxes, int number, const std::string& description,
                        const std::string& source) {
    boxes.Tell(
        MsgIcon::Error, "Tavrel Error",
        {"Error Number: " + std::to_string(number), "Description: " + description, "Source: " + source});
}

void FollowNextChanges(ProgramContext& ctx, TickHost& host) {
    NextChanges fresh = ctx.display.next;
    if (!ctx.nextWatch.AfterTick(ctx.schedule, ctx.clock, fresh))
        return;
    // The texts name the day of a change that is not today's, so a new day may change them alone.
    bool changed = !ctx.display.nextKnown || fresh != ctx.display.next;
    const CalendarDate today = ctx.clock.Today();
    for (size_t r = 0; r < fresh.size(); ++r) {
        const std::string text =
            fresh[r] ? "next: " + NextChangeText(fresh[r], today) : "next: no change within 7 days";
        changed = changed || text != ctx.display.relays[r].next;
        ctx.display.relays[r].next = text;
    }
    ctx.display.next = fresh;
    ctx.display.nextKnown = true;
    if (changed)
        host.DisplayChanged();
}

} // namespace tavrel
