#pragma once
// The File menu's schedule commands and the close path, each with its whole sequence: the save question
// first, then the schedule, the check-time timer, the crash-restart flag and the recent files. The window
// only asks for file names and redraws; tavreld closes through the same CloseProgram.

#include "formutil/recent_files.h"

#include <cstddef>
#include <functional>
#include <string>

namespace tavrel {

struct ProgramContext;

// Asks the user for a run file: a full path, or "" when the user cancels.
using AskPath = std::function<std::string()>;

enum class CloseKind { ByUser, BySystem };

// When a changed schedule is about to go: before New, Open or a recent file replaces it, or at the close.
enum class SaveMoment { BeforeReplacing, BeforeClosing };

enum class OpenOutcome { Cancelled, Failed, Opened };

class FileCommands {
public:
    explicit FileCommands(ProgramContext& ctx) : ctx_(ctx) {}

    void SetAskOpenPath(AskPath ask) { askOpenPath_ = std::move(ask); }
    void SetAskSavePath(AskPath ask) { askSavePath_ = std::move(ask); }
    const RecentFiles& Recent() const { return recent_; }
    // As the window loads.
    void LoadRecentFiles();

    // A new schedule with the timer on; false when the user kept the old one.
    bool New();
    // Asks which file, then opens it as OpenPath does.
    OpenOutcome Open();
    // Opens a run file (a failure leaves a new schedule); once it is read the timer runs and the file
    // tops the recent files.
    OpenOutcome OpenPath(const std::string& path);
    // A recent file that is still there; one that is gone leaves the list and the user is told.
    OpenOutcome OpenRecent(size_t index);
    // Under the schedule's own name, or Save As when it has none. Nothing while a crash restart is in
    // force: that schedule is saved under a name of the user's choosing.
    bool Save();
    bool SaveAs();
    // The save question over a changed schedule. Yes saves it as Save does (Save As when it has no name
    // of its own), No drops the changes. False when the user cancels or the save did not happen: whatever
    // asked stops there.
    bool SaveChangesFirst(SaveMoment moment);

    // True when the program is to close: the save question answered (a close by the user only), the
    // recent files stored and the close path run. False when the user cancelled the question or its save
    // failed: the schedule runs on with the timer enabled.
    bool CloseRequest(CloseKind kind);

private:
    bool SaveUnderItsName();

    ProgramContext& ctx_;
    RecentFiles recent_;
    AskPath askOpenPath_;
    AskPath askSavePath_;
};

} // namespace tavrel
