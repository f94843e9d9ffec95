#pragma once
// A fixed-size file read and written in place, byte range by byte range, so that every other process
// that opens it sees each write at once. Survives the file being cut short from outside: missing bytes
// read as zero and the file grows back to its size.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavrel {

class SharedFile {
public:
    SharedFile() = default;
    ~SharedFile() { Close(); }
    SharedFile(const SharedFile&) = delete;
    SharedFile& operator=(const SharedFile&) = delete;

    // Opens `path` for `size` bytes, creating the file or growing it with zeros as needed.
    bool Open(const std::string& path, size_t size);
    void Close();
    bool IsOpen() const { return handle_ != kNoHandle; }
    size_t Size() const { return size_; }
    // The same text for every opening of the same file, whatever path led to it; "" when closed.
    std::string Identity() const;

    // `count` bytes at `offset` (within Size()); false on a system error.
    bool Read(size_t offset, uint8_t* bytes, size_t count);
    bool Write(size_t offset, const uint8_t* bytes, size_t count);

private:
    static constexpr intptr_t kNoHandle = -1;
    bool GrowBack();

    intptr_t handle_ = kNoHandle; // a file descriptor or a HANDLE
    size_t size_ = 0;
};

} // namespace tavrel
