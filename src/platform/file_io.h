#pragma once
// Whole-file reads, crash-safe replacement of a file, and an advisory lock shared between processes.

#include <memory>
#include <string>

namespace tavrel {

// False when the file cannot be read (`bytes` is then empty).
bool ReadFileBytes(const std::string& path, std::string& bytes);

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and renames it over `path`:
// after a crash or power cut the file is either the old one or the new one, never a mix.
// Returns 0 or the system's error number; on failure `path` is untouched. `failedAtOpen` tells whether
// the temporary file could not even be created.
int WriteFileAtomically(const std::string& path, const std::string& bytes, bool* failedAtOpen = nullptr);

// The system's description of an error number.
std::string SystemErrorText(int error);

// Renames a file; 0 or the system's error number.
int RenameFile(const std::string& from, const std::string& to);

bool FileExists(const std::string& path);
bool RemoveFile(const std::string& path);
// Makes the folder and its parents; true when it exists afterwards.
bool MakeFolders(const std::string& path);

// Holds an advisory lock on `path` (created if missing) for its lifetime.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    FileLock(const std::string& path, Mode mode);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    bool Held() const { return held_; }

private:
    intptr_t handle_ = -1;
    bool held_ = false;
};

} // namespace tavrel
