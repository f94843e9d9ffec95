#include "platform/file_io.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <libgen.h>
#include <sys/file.h>
#include <unistd.h>

namespace tavrel {

namespace {

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string(".")
                                      : (slash == 0 ? std::string("/") : path.substr(0, slash));
}

} // namespace

int WriteFileAtomically(const std::string& path, const std::string& bytes, bool* failedAtOpen) {
    if (failedAtOpen != nullptr)
        *failedAtOpen = false;
    const std::string temp = path + ".tmp-" + std::to_string(::getpid());
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (failedAtOpen != nullptr)
            *failedAtOpen = true;
        return errno;
    }
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int e = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            return e;
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int e = errno;
        ::unlink(temp.c_str());
        return e;
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        ::unlink(temp.c_str());
        return e;
    }
    // The rename itself must reach the disk too.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return 0;
}

std::string SystemErrorText(int error) {
    char buffer[256] = {};
    const char* text = strerror_r(error, buffer, sizeof buffer);
    return text != nullptr ? std::string(text) : std::string();
}

int RenameFile(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

FileLock::FileLock(const std::string& path, Mode mode) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return;
    handle_ = fd;
    while (!(held_ = ::flock(fd, mode == Mode::Exclusive ? LOCK_EX : LOCK_SH) == 0) && errno == EINTR) {
    }
}

FileLock::~FileLock() {
    if (handle_ >= 0)
        ::close(static_cast<int>(handle_)); // releases the lock
}

} // namespace tavrel
