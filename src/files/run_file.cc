#include "files/run_file.h"

#include "common/vb_conversions.h"
#include "engine/pair_rules.h"
#include "engine/pair_times.h"
#include "files/run_file_ext.h"
#include "files/run_file_fields.h"
#include "platform/file_io.h"

#include <algorithm>
#include <array>

namespace tavrel {

namespace {

constexpr int kFileBoardUpper = 0;
constexpr int kFileRelayUpper = 7;
constexpr int kFilePairUpper = 5;

// What differs between the readable layouts; one reader serves them all.
struct Layout {
    const char* tag;
    const char* otherTag; // a second tag with the same layout, or null
    bool loggingLine;
    bool countAndStop;   // the relay block holds Counter and HardStop
    bool endTimes;       // each pair has its end time on a line of its own
    bool dimensionsRead; // the loops' bounds come from the version line
};

constexpr std::array<Layout, 4> kLayouts{{
    {"FV20000424", nullptr, false, false, true, false},
    {"FV.2001.02.29", "FV.2001.04.15", true, true, false, false},
    {"FV.2001.05.01", nullptr, true, true, true, true},
    {"FV.2002.08.01", nullptr, true, true, true, true},
}};

constexpr const char* kFutureTag = "FV.9999.99.99";

std::string RetiredCodeConverted(const std::string& code) {
    if (code == "CO")
        return "TH";
    if (code == "MO" || code == "MM")
        return "MH";
    if (code == "FO")
        return "BH";
    return code;
}

struct Dimensions {
    int boards = kFileBoardUpper;
    int relays = kFileRelayUpper;
    int pairs = kFilePairUpper;
};

// The 3rd, 6th and 9th characters of the dimension part, one digit each.
bool ReadDimensions(const std::string& part, Dimensions& d, std::string& error) {
    if (part.size() < 9) {
        error = "line 1's sizes after \"|\" are cut short";
        return false;
    }
    ConversionError e;
    const auto b = ToInt16(part.substr(2, 1), e);
    const auto r = ToInt16(part.substr(5, 1), e);
    const auto p = ToInt16(part.substr(8, 1), e);
    if (!b || !r || !p) {
        error = e.description;
        return false;
    }
    d = {*b, *r, *p};
    return true;
}

} // namespace

std::string RunFileVersionLine() {
    return std::string("FV") + "." + "2002" + "." + "08" + "." + "01" + "|.b" +
           std::to_string(kFileBoardUpper) + ".r" + std::to_string(kFileRelayUpper) + ".t" +
           std::to_string(kFilePairUpper);
}

void RunFiles::Fail(const char* title, const std::string& text) {
    boxes_.Tell(MsgIcon::Warning, title, {text});
}

namespace {

// Reads one layout into the tables; returns 0, or 1 after showing the first failure of its section.
class LayoutReader {
public:
    LayoutReader(const Layout& layout, ScheduleTables& tables, Settings& settings)
        : layout_(layout), tables_(tables), settings_(settings) {}

    const char* failedSection = nullptr;
    std::string error;
    size_t endOfFields = 0; // where the text after the last declared field starts

    int16_t Read(const std::string& bytes, const std::string& dimensionPart) {
        RunFileFieldReader in(bytes);
        std::string field;
        if (!in.ReadText(field))
            return Failed("Error Reading Data File", kInputPastEndOfFile);
        if (layout_.loggingLine && !in.ReadFlag(settings_.LoggingOnOff, error))
            return Failed("Error Reading Data File", error);

        Dimensions declared;
        if (layout_.dimensionsRead && !ReadDimensions(dimensionPart, declared, error))
            return Failed("Error Reading Board Array", error);
        // The file's fields are read as far as it declares them, so that they stay in step; only those
        // within the tables are kept.
        for (int b = 0; b <= declared.boards; ++b)
            for (int r = 0; r <= declared.relays; ++r) {
                const bool keep = b <= kMaxBoardIndex && r < kRelaysPerBoard;
                RelayRecord scratch;
                RelayRecord& relay = keep ? tables_.RelayArray[RelayIndex(b, r)] : scratch;
                if (!ReadRelay(in, relay))
                    return Failed("Error Reading Relay Array", error);
                for (int p = 0; p <= declared.pairs; ++p) {
                    TimePair spare;
                    TimePair& pair = keep && p < kPairsPerRelay
                                         ? tables_.TimeArray[PairIndex(RelayIndex(b, r), p)]
                                         : spare;
                    if (!in.ReadText(pair.StartTime) || (layout_.endTimes && !in.ReadText(pair.EndTime)))
                        return Failed("Error Reading Time Array", kInputPastEndOfFile);
                }
            }
        endOfFields = in.Position();
        return 0;
    }

private:
    bool ReadRelay(RunFileFieldReader& in, RelayRecord& relay) {
        error = kInputPastEndOfFile;
        if (!in.ReadText(relay.DisplayName) || !in.ReadText(relay.DaysOfWeek) ||
            !in.ReadText(relay.CycleCode))
            return false;
        relay.CycleCode = RetiredCodeConverted(relay.CycleCode);
        // Only the extension block sets another rule.
        relay.Holiday = HolidayRule::Run;
        if (!in.ReadFlag(relay.Manual, error) || !in.ReadFlag(relay.Invert, error) ||
            !in.ReadFlag(relay.CountEnabled, error))
            return false;
        if (layout_.countAndStop &&
            (!in.ReadNumber(relay.Counter, error) || !in.ReadFlag(relay.HardStop, error)))
            return false;
        error = kInputPastEndOfFile;
        if (!in.ReadText(relay.IconFile))
            return false;
        // A cyclic relay cannot be inverted.
        if (CyclicMinutes(relay.CycleCode))
            relay.Invert = kFalse;
        return true;
    }

    int16_t Failed(const char* section, const std::string& text) {
        failedSection = section;
        error = text;
        return kRunFileOpenFailed;
    }

    const Layout& layout_;
    ScheduleTables& tables_;
    Settings& settings_;
};

} // namespace

int16_t RunFiles::LoadRunFile(const std::string& folder, const std::string& fileName,
                              bool reportOpenFailure) {
    const std::string path = drives_.Map(folder + fileName);
    std::string bytes;
    if (const FileReadError error = ReadRegularFile(path, bytes); error != FileReadError::None) {
        // Without reportOpenFailure only a missing file is silent: a folder, a pipe or a huge file
        // where a run file should be is worth saying.
        if (reportOpenFailure || error != FileReadError::NotFound)
            Fail("Open Run File Error", FileReadErrorText(error));
        return kRunFileOpenFailed;
    }
    std::string versionLine;
    if (!RunFileFieldReader(bytes).ReadText(versionLine)) {
        Fail("Error Reading Run File", kInputPastEndOfFile);
        return kRunFileVersionUnreadable;
    }
    const size_t bar = versionLine.find('|');
    if (bar == std::string::npos) {
        Fail("Error Reading Run File", "line 1 is not a run-file version line");
        return kRunFileBadVersionLine;
    }
    const std::string tag = versionLine.substr(0, bar);
    const std::string dimensions = versionLine.substr(bar + 1);
    const auto layout = std::find_if(kLayouts.begin(), kLayouts.end(), [&](const Layout& l) {
        return tag == l.tag || (l.otherTag != nullptr && tag == l.otherTag);
    });
    if (tag == kFutureTag) {
        boxes_.Tell(MsgIcon::Information, "Select a Current File",
                    {"Attempting to Load a file Version that does not exist yet"});
        return kRunFileFutureVersion;
    }
    if (layout == kLayouts.end()) {
        boxes_.Tell(MsgIcon::Warning, "Select a Current File", {"File Load Version Error"});
        return kRunFileUnknownVersion;
    }
    state_.RestartedAfterCrash = kFalse;
    LayoutReader reader(*layout, tables_, settings_);
    const int16_t result = reader.Read(bytes, dimensions);
    if (reader.failedSection != nullptr)
        Fail(reader.failedSection, reader.error);
    state_.KeptExtensionLines.clear();
    if (result == 0)
        ReadExtension(bytes, reader.endOfFields);
    return result;
}

bool HasSunBasedTimes(const ScheduleTables& tables) {
    for (int i = 0; i < kRelaysPerBoard * kPairsPerRelay; ++i) {
        const TimePair& pair = tables.TimeArray[i];
        if (IsSunBasedText(pair.StartTime) || IsSunBasedText(pair.EndTime))
            return true;
    }
    return false;
}

void RunFiles::ReadExtension(const std::string& bytes, size_t endOfFields) {
    const int firstLine =
        1 + static_cast<int>(
                std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(endOfFields), '\n'));
    ExtensionRead ext = ReadExtensionBlock(std::string_view(bytes).substr(endOfFields), firstLine, tables_);
    state_.KeptExtensionLines = std::move(ext.kept);
    if (!ext.warning.empty())
        Fail("Error Reading Run File",
             "The file's extension block is damaged at " + ext.warning +
                 ". The times of the fixed lines stay in force where it could not be read.");
    if (!tables_.Sun.Place() && HasSunBasedTimes(tables_)) {
        Fail("Sun-based Times", kSunTimesWithoutPlace);
        if (OnSunTimesWithoutPlace)
            OnSunTimesWithoutPlace();
    }
}

bool RunFiles::SaveRunFile(const std::string& folder, const std::string& fileName) {
    state_.RestartedAfterCrash = kFalse;
    return WriteRunFileKeepingRestartFlag(folder, fileName);
}

bool RunFiles::WriteRunFileKeepingRestartFlag(const std::string& folder, const std::string& fileName,
                                              bool reportFailure) {
    VersionText = RunFileVersionLine();
    // A reader of the fixed lines alone runs the sun-based times as they fall on the day of the save.
    const CalendarDate today = clock_.Today();
    std::string text = TextFieldLine(VersionText) + FlagFieldLine(settings_.LoggingOnOff);
    for (int r = 0; r < kRelaysPerBoard; ++r) {
        const RelayRecord& relay = tables_.RelayArray[RelayIndex(0, r)];
        text += TextFieldLine(relay.DisplayName) + TextFieldLine(relay.DaysOfWeek) +
                TextFieldLine(relay.CycleCode) + FlagFieldLine(relay.Manual) + FlagFieldLine(relay.Invert) +
                FlagFieldLine(relay.CountEnabled) + NumberFieldLine(relay.Counter) +
                FlagFieldLine(relay.HardStop) + TextFieldLine(relay.IconFile);
        for (int p = 0; p < kPairsPerRelay; ++p) {
            const TimePair& pair = tables_.TimeArray[PairIndex(RelayIndex(0, r), p)];
            text += TextFieldLine(FixedLineTime(pair.StartTime, today, tables_.Sun)) +
                    TextFieldLine(FixedLineTime(pair.EndTime, today, tables_.Sun));
        }
    }
    text += ExtensionBlock(tables_, state_.KeptExtensionLines);
    bool atOpen = false;
    // What the program keeps under its own folder is the user's alone; a file saved elsewhere gets the
    // umask's permissions like any other file of the user.
    const std::string path = drives_.Map(folder + fileName);
    const FilePrivacy privacy =
        IsInsideFolder(drives_.Home(), path) ? FilePrivacy::OwnerOnly : FilePrivacy::UserDefault;
    const int error = WriteFileAtomically(path, text, privacy, &atOpen);
    LastWriteError = error != 0 ? SystemErrorText(error) : std::string();
    if (error != 0) {
        if (reportFailure)
            Fail(atOpen ? "Open File Error" : "Error Writing Data File", LastWriteError);
        return false;
    }
    return true;
}

} // namespace tavrel
