#pragma once
// The configuration window's Calendar section: the "HolidayFiles" field (checked as `tavreld --config
// set` checks it), the files chosen to add to it, and the next holidays the files give. The files are
// read again only when the setting changed, and the calendar library is loaded only when there are
// files to read.

#include "config/config_dialog_types.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrel {

// How many coming holidays the section lists.
inline constexpr int kComingHolidayCount = 8;
inline constexpr const char* kNoHolidayFilesText = "No holiday calendar set: every day is an ordinary day.";
inline constexpr const char* kNoComingHolidayText = "The calendar files give no holiday in the coming year.";

class HolidayFilesModel {
public:
    HolidayFilesModel(ConfigurationTargets& targets, ConfigChangeFlag& changes);

    // Shows the setting again (after a reset, a save or a restore).
    void Refresh();

    const std::string& Text() const { return text_; }
    // Field left with `text`: false = refused with a message, the field shows the setting again and
    // keeps the focus.
    bool Leave(const std::string& text);
    // Files chosen in the file dialog, added after those listed (each once).
    void AddChosen(const std::vector<std::string>& paths);

    // The next holidays of the files set, in date order.
    const std::vector<ComingHoliday>& Coming();
    // What the section says beside them: no calendar set, a file that could not be read, no holiday.
    const std::vector<std::string>& Notes();
    // "2026-12-25  Christmas Day".
    static std::string Line(const ComingHoliday& holiday);

private:
    void Store(const std::string& value);
    void ReadIfChanged();

    ConfigurationTargets& targets_;
    ConfigChangeFlag& changes_;
    std::string text_;
    std::optional<std::string> readFor_; // the setting the list below was read for
    std::unique_ptr<CalendarReader> reader_;
    std::vector<ComingHoliday> coming_;
    std::vector<std::string> notes_;
};

} // namespace tavrel
