#include "platform/shared_file.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tavrel {

bool SharedFile::Open(const std::string& path, size_t size) {
    Close();
    // Never through a link planted in its place; made its user's alone, whatever the umask.
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0)
        ::fchmod(fd, 0600);
    else if (errno == EEXIST)
        fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    handle_ = fd;
    size_ = size;
    if (!GrowBack()) {
        Close();
        return false;
    }
    return true;
}

void SharedFile::Close() {
    if (handle_ != kNoHandle)
        ::close(static_cast<int>(handle_));
    handle_ = kNoHandle;
    size_ = 0;
}

std::string SharedFile::Identity() const {
    struct stat st {};
    if (handle_ == kNoHandle || ::fstat(static_cast<int>(handle_), &st) != 0)
        return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
}

bool SharedFile::GrowBack() {
    struct stat st {};
    if (::fstat(static_cast<int>(handle_), &st) != 0)
        return false;
    // Only ever grows: a file made longer from outside is left as it is.
    return static_cast<size_t>(st.st_size) >= size_ ||
           ::ftruncate(static_cast<int>(handle_), static_cast<off_t>(size_)) == 0;
}

bool SharedFile::Read(size_t offset, uint8_t* bytes, size_t count) {
    if (handle_ == kNoHandle || offset > size_ || count > size_ - offset)
        return false;
    size_t done = 0;
    while (done < count) {
        const ssize_t n =
            ::pread(static_cast<int>(handle_), bytes + done, count - done, static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0) { // cut short from outside: the rest reads as zero, and the file grows back
            std::memset(bytes + done, 0, count - done);
            return GrowBack();
        }
        done += static_cast<size_t>(n);
    }
    return true;
}

bool SharedFile::Write(size_t offset, const uint8_t* bytes, size_t count) {
    if (handle_ == kNoHandle || offset > size_ || count > size_ - offset)
        return false;
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pwrite(static_cast<int>(handle_), bytes + done, count - done,
                                   static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

} // namespace tavrel
