// The run-file reader: any file that loads is saved, loaded again and saved again, and both saves are the
// same bytes, so nothing the reader takes in is lost or changed by a save.
#include "files/run_file.h"
#include "platform/file_io.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

using namespace tavrel;

void Require(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "run file round trip: %s\n", what);
        std::abort();
    }
}

class SilentBoxes final : public MessageBoxes {
public:
    MsgResult Show(const MessageBoxRequest& request) override { return request.defaultButton; }
};

// A folder of this process's own, removed at exit; in memory where the system has /dev/shm, as every save
// flushes to the disk.
std::filesystem::path ScratchRoot() {
    std::error_code ec;
    return std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                         : std::filesystem::temp_directory_path();
}

class WorkFolder {
public:
    WorkFolder() : path_((ScratchRoot() / ("tavrel-fuzz-run-" + std::to_string(::getpid()))).string() + "/") {
        std::filesystem::create_directories(path_);
    }
    ~WorkFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

const WorkFolder& Folder() {
    static const WorkFolder folder;
    return folder;
}

struct Loader {
    ScheduleTables tables;
    Settings settings;
    ScheduleFileState state;
    SilentBoxes boxes;
    DriveMap drives{Folder().Path()};
    SystemClock clock;
    RunFiles files{tables, settings, state, boxes, drives, clock};

    Loader() { InitialiseNewSchedule(tables); }
};

std::string Read(const std::string& name) {
    std::string bytes;
    Require(ReadFileBytes(Folder().Path() + name, bytes), "a saved file cannot be read");
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string& folder = Folder().Path();
    {
        std::ofstream in(folder + "in.run", std::ios::binary | std::ios::trunc);
        in.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        Require(static_cast<bool>(in.flush()), "cannot write the input");
    }
    Loader first;
    if (first.files.LoadRunFile(folder, "in.run", true) != kRunFileLoaded)
        return 0;
    Require(first.files.SaveRunFile(folder, "one.run"), "the loaded schedule cannot be saved");
    Loader second;
    Require(second.files.LoadRunFile(folder, "one.run", true) == kRunFileLoaded,
            "the saved file does not load");
    Require(second.files.SaveRunFile(folder, "two.run"), "the reloaded schedule cannot be saved");
    Require(Read("one.run") == Read("two.run"), "the reloaded schedule saves differently");
    return 0;
}
