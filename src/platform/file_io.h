#pragma once
// Whole-file reads, crash-safe replacement of a file, appends, and an advisory lock shared between
// processes. Files the program makes are never written through a link planted in their place.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace tavrel {

// Who may read a file the program makes: its user alone (whatever the umask), or as the umask says
// (a run file the user saves in a folder of their own).
enum class FilePrivacy { OwnerOnly, UserDefault };

// Why a file could not be read whole.
enum class FileReadError { None, NotFound, IsFolder, NotRegularFile, TooLarge, NameTooLong, AccessDenied };

// A run file is a few KiB; a hive a few dozen. Anything larger is not one of them.
constexpr size_t kMaxReadFileBytes = 16u * 1024 * 1024;

// Reads a regular file of at most `limit` bytes; refuses folders, pipes and devices without waiting on
// them or reading from them. `bytes` is empty on failure.
FileReadError ReadRegularFile(const std::string& path, std::string& bytes, size_t limit = kMaxReadFileBytes);

// What is wrong, in words for a message box ("File not found", "The path is a folder, not a file" ...).
std::string FileReadErrorText(FileReadError error);

// ReadRegularFile without the reason: false when the file cannot be read.
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Writes `bytes` to a new temporary file beside `path` ("NAME.tmp-PID-XXXXXX", made exclusively, never
// through a link), flushes it to the disk and renames it over `path`: after a crash or power cut the
// file is either the old one or the new one, never a mix, and a link at `path` is replaced, not followed.
// Returns 0 or the system's error number; on failure `path` is untouched. `failedAtOpen` tells whether
// the temporary file could not even be created.
int WriteFileAtomically(const std::string& path, const std::string& bytes, FilePrivacy privacy,
                        bool* failedAtOpen = nullptr);

// Appends `bytes` to the regular file `path`, making it when missing; never through a link.
// 0 or the system's error number.
int AppendToFile(const std::string& path, const std::string& bytes, FilePrivacy privacy);

// Removes the temporary files ("NAME.tmp-PID" and "NAME.tmp-PID-XXXXXX") that processes no longer
// running left in `folder` when they were stopped mid-write. Returns how many were removed.
int RemoveStaleTempFiles(const std::string& folder);

// The system's description of an error number.
std::string SystemErrorText(int error);

// Renames a file; 0 or the system's error number.
int RenameFile(const std::string& from, const std::string& to);

bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);
// Whether `path` itself is a symbolic link (wherever it leads, if anywhere).
bool IsSymbolicLink(const std::string& path);
// Removes `path` only when it is a regular file (not a folder, a link or a device).
bool RemoveRegularFile(const std::string& path);
// Makes the folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& path);
// As MakeFolders, but the folder itself, when made here, is its user's alone (0700 whatever the umask).
bool MakePrivateFolders(const std::string& path);
// 0 when files can be made in the existing folder `path`, else the system's error number.
int FolderWritable(const std::string& path);

// Whether someone other than this process's user may change the file `path` or put another in its place:
// "" when no one may (or the file cannot be examined), else why, in words ("its group may write to it",
// "it belongs to user 1000", "its folder /srv may be written to by others"). A folder of root's counts as
// safe. Windows: always "" (its files are guarded by their access lists).
std::string OthersMayWrite(const std::string& path);

// `path` resolved against the working folder; an absolute path, or one that starts with a drive letter
// ("c:\\..."), is returned as it is.
std::string AbsolutePath(const std::string& path);

// True when `path` lies inside `folder` (compared as absolute paths, without following links).
bool IsInsideFolder(const std::string& folder, const std::string& path);

// Holds an advisory lock on `path` (made if missing, its user's alone) for its lifetime. With `waitMs`
// of 0 or more, waits at most that long for another process to let go (then Held() is false and
// TimedOut() true); else as long as it takes.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    FileLock(const std::string& path, Mode mode, int64_t waitMs = -1);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return held_; }
    bool TimedOut() const { return timedOut_; }

private:
    intptr_t handle_ = -1;
    bool held_ = false;
    bool timedOut_ = false;
};

} // namespace tavrel
