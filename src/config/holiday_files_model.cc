#include "config/holiday_files_model.h"

#include "common/date_text.h"
#include "config/holiday_files.h"

namespace tavrel {

HolidayFilesModel::HolidayFilesModel(ConfigurationTargets& targets, ConfigChangeFlag& changes)
    : targets_(targets), changes_(changes) {
    Refresh();
}

void HolidayFilesModel::Refresh() {
    text_ = targets_.settings.HolidayFiles;
}

void HolidayFilesModel::Store(const std::string& value) {
    text_ = value;
    if (targets_.settings.HolidayFiles != value) {
        targets_.settings.HolidayFiles = value;
        changes_.Mark();
    }
}

bool HolidayFilesModel::Leave(const std::string& text) {
    std::string reason;
    const std::optional<std::string> value = HolidayFilesValue(text, reason);
    if (!value) {
        text_ = targets_.settings.HolidayFiles;
        targets_.boxes.Tell(MsgIcon::Error, "Holiday Files", {reason});
        return false;
    }
    Store(*value);
    return true;
}

void HolidayFilesModel::AddChosen(const std::vector<std::string>& paths) {
    std::string reason;
    const std::optional<std::string> value =
        HolidayFilesValue(WithHolidayFilesAdded(targets_.settings.HolidayFiles, paths), reason);
    if (value)
        Store(*value);
    else
        targets_.boxes.Tell(MsgIcon::Error, "Holiday Files", {reason});
}

const std::vector<ComingHoliday>& HolidayFilesModel::Coming() {
    ReadIfChanged();
    return coming_;
}

const std::vector<std::string>& HolidayFilesModel::Notes() {
    ReadIfChanged();
    return notes_;
}

std::string HolidayFilesModel::Line(const ComingHoliday& holiday) {
    return IsoDateText(holiday.date) + "  " + holiday.name;
}

void HolidayFilesModel::ReadIfChanged() {
    const std::string& setting = targets_.settings.HolidayFiles;
    if (readFor_ == setting)
        return;
    readFor_ = setting;
    coming_.clear();
    notes_.clear();
    if (SplitHolidayFiles(setting).empty()) {
        notes_.push_back(kNoHolidayFilesText);
        return;
    }
    if (!targets_.holidaysAhead)
        return;
    if (!reader_ && targets_.loadCalendarReader) {
        std::string error;
        reader_ = targets_.loadCalendarReader(error);
        if (!reader_) {
            notes_.push_back("The calendar files cannot be read: " + error);
            return;
        }
    }
    if (!reader_)
        return;
    HolidaysAhead ahead = targets_.holidaysAhead(*reader_, setting, kComingHolidayCount);
    coming_ = std::move(ahead.dates);
    notes_ = std::move(ahead.problems);
    if (coming_.empty())
        notes_.push_back(kNoComingHolidayText);
}

} // namespace tavrel
