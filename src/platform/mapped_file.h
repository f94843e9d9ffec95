#pragma once
// A file mapped into memory and shared with every other process that maps it.

#include <cstddef>
#include <cstdint>
#include <string>

namespace tavrel {

class MappedFile {
public:
    MappedFile() = default;
    ~MappedFile() { Close(); }
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    // Maps `size` bytes of the regular file `path` (never through a link), creating it (its user's
    // alone) or growing it with zeros as needed.
    bool Open(const std::string& path, size_t size);
    void Close();
    bool IsOpen() const { return data_ != nullptr; }
    uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

private:
    uint8_t* data_ = nullptr;
    size_t size_ = 0;
    void* handle_ = nullptr; // the mapping object where the platform has one
};

} // namespace tavrel
