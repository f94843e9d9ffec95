#include "platform/file_io.h"
#include "platform/process_liveness.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

namespace {

constexpr mode_t kOwnerOnlyFile = 0600;
constexpr mode_t kUserDefaultFile = 0666; // less the umask

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".")
                                      : (slash == 0 ? std::string("/") : path.substr(0, slash));
}

int CloseKeepingError(int fd, int error) {
    ::close(fd);
    return error;
}

// Opens a new file that no one else can have made or linked in its place: O_EXCL refuses any existing
// name, a link included. Owner-only files get their mode back if the umask took bits from it.
int CreateExclusive(const std::string& path, FilePrivacy privacy, int extraFlags) {
    const bool ownerOnly = privacy == FilePrivacy::OwnerOnly;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC | extraFlags,
                          ownerOnly ? kOwnerOnlyFile : kUserDefaultFile);
    if (fd >= 0 && ownerOnly && ::fchmod(fd, kOwnerOnlyFile) != 0) {
        const int e = errno;
        ::close(fd);
        ::unlink(path.c_str());
        errno = e;
        return -1;
    }
    return fd;
}

// "NAME.tmp-PID-XXXXXX" beside `path`, made exclusively; the suffix is not guessable beforehand.
int CreateTempFile(const std::string& path, FilePrivacy privacy, std::string& temp) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path + ".tmp-" + std::to_string(::getpid()) + "-";
        for (int i = 0; i < 6; ++i)
            temp += kLetters[pick(random)];
        const int fd = CreateExclusive(temp, privacy, 0);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

int WriteAll(int fd, const std::string& bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        done += static_cast<size_t>(n);
    }
    return 0;
}

FileReadError ReadErrorOf(int error) {
    switch (error) {
    case ENOENT:
        return FileReadError::NotFound;
    case ENAMETOOLONG:
        return FileReadError::NameTooLong;
    case EISDIR:
        return FileReadError::IsFolder;
    default:
        return FileReadError::AccessDenied;
    }
}

FileReadError KindError(const struct stat& st) {
    if (S_ISDIR(st.st_mode))
        return FileReadError::IsFolder;
    return S_ISREG(st.st_mode) ? FileReadError::None : FileReadError::NotRegularFile;
}

} // namespace

FileReadError ReadRegularFile(const std::string& path, std::string& bytes, size_t limit) {
    bytes.clear();
    // A pipe, a device or a socket is refused before it is opened (opening a serial line alone raises
    // its control lines); the check after opening covers a file swapped in between.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return ReadErrorOf(errno);
    if (const FileReadError kind = KindError(st); kind != FileReadError::None)
        return kind;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return ReadErrorOf(errno);
    if (::fstat(fd, &st) != 0 || KindError(st) != FileReadError::None) {
        ::close(fd);
        return KindError(st) == FileReadError::None ? FileReadError::AccessDenied : KindError(st);
    }
    if (static_cast<size_t>(st.st_size) > limit) {
        ::close(fd);
        return FileReadError::TooLarge;
    }
    std::string read;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return ReadErrorOf(errno);
        }
        if (n == 0)
            break;
        if (read.size() + static_cast<size_t>(n) > limit) { // grew while it was read
            ::close(fd);
            return FileReadError::TooLarge;
        }
        read.append(buffer, static_cast<size_t>(n));
    }
    ::close(fd);
    bytes = std::move(read);
    return FileReadError::None;
}

int WriteFileAtomically(const std::string& path, const std::string& bytes, FilePrivacy privacy,
                        bool* failedAtOpen) {
    if (failedAtOpen != nullptr)
        *failedAtOpen = false;
    std::string temp;
    const int fd = CreateTempFile(path, privacy, temp);
    if (fd < 0) {
        if (failedAtOpen != nullptr)
            *failedAtOpen = true;
        return errno != 0 ? errno : EEXIST;
    }
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    // rename() replaces whatever stands at `path`, a link included, without following it.
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return error;
    }
    // The rename itself must reach the disk too.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}

int AppendToFile(const std::string& path, const std::string& bytes, FilePrivacy privacy) {
    int fd = CreateExclusive(path, privacy, O_APPEND | O_NONBLOCK);
    if (fd < 0 && errno == EEXIST)
        fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return errno;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return CloseKeepingError(fd, EINVAL);
    const int error = WriteAll(fd, bytes);
    if (::close(fd) != 0 && error == 0)
        return errno;
    return error;
}

bool ProcessRunning(int pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

int CurrentProcessId() {
    return static_cast<int>(::getpid());
}

bool RemoveRegularFile(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(path.c_str()) == 0;
}

bool MakePrivateFolders(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    if (const std::string parent = FolderOf(path); parent != path && parent != "." && parent != "/")
        MakeFolders(parent);
    if (::mkdir(path.c_str(), 0700) == 0)
        ::chmod(path.c_str(), 0700); // the umask may have taken the owner's own bits
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

int FolderWritable(const std::string& path) {
    std::string probe;
    const int fd = CreateTempFile(path + "/.write-probe", FilePrivacy::OwnerOnly, probe);
    if (fd < 0)
        return errno != 0 ? errno : EACCES;
    ::close(fd);
    ::unlink(probe.c_str());
    return 0;
}

std::string OthersMayWrite(const std::string& path) {
    const uid_t me = ::geteuid();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return {};
    if (st.st_uid != me)
        return "it belongs to user " + std::to_string(st.st_uid);
    if ((st.st_mode & S_IWOTH) != 0)
        return "everyone may write to it";
    if ((st.st_mode & S_IWGRP) != 0)
        return "its group may write to it";
    // Whoever may write to the folder may put another file in its place (unless the folder is sticky).
    const std::string folder = FolderOf(path);
    if (::stat(folder.c_str(), &st) != 0)
        return {};
    if (st.st_uid != me && st.st_uid != 0)
        return "its folder " + folder + " belongs to user " + std::to_string(st.st_uid);
    if ((st.st_mode & (S_IWGRP | S_IWOTH)) != 0 && (st.st_mode & S_ISVTX) == 0)
        return "its folder " + folder + " may be written to by others";
    return {};
}

std::string SystemErrorText(int error) {
    char buffer[256] = {};
    const char* text = strerror_r(error, buffer, sizeof buffer);
    return text != nullptr ? std::string(text) : std::string();
}

int RenameFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

FileLock::FileLock(const std::string& path, Mode mode, int64_t waitMs) {
    // Mostly the file is there already; made (its user's alone) when not.
    int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0 && errno == ENOENT) {
        fd = CreateExclusive(path, FilePrivacy::OwnerOnly, 0);
        if (fd < 0 && errno == EEXIST) // made by another process in between
            fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    }
    if (fd < 0)
        return;
    handle_ = fd;
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    if (waitMs < 0) {
        while (!(held_ = ::flock(fd, operation) == 0) && errno == EINTR) {
        }
        return;
    }
    // flock has no time-out: asked again every few milliseconds until the time is up.
    constexpr int64_t kStepMs = 5;
    for (int64_t waited = 0;; waited += kStepMs) {
        held_ = ::flock(fd, operation | LOCK_NB) == 0;
        if (held_ || (errno != EWOULDBLOCK && errno != EINTR))
            return;
        if (waited >= waitMs)
            break;
        const timespec step{0, kStepMs * 1'000'000};
        ::nanosleep(&step, nullptr);
    }
    timedOut_ = true;
}

FileLock::~FileLock() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_)); // releases the lock
}

} // namespace tavrel
