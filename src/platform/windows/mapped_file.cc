#include "platform/mapped_file.h"

#include <windows.h>

namespace tavrel {

bool MappedFile::Open(const std::string& path, size_t size) {
    Close();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    // A mapping larger than the file grows the file with zeros.
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READWRITE, 0, static_cast<DWORD>(size), nullptr);
    CloseHandle(file);
    if (mapping == nullptr)
        return false;
    void* p = MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, size);
    if (p == nullptr) {
        CloseHandle(mapping);
        return false;
    }
    data_ = static_cast<uint8_t*>(p);
    size_ = size;
    handle_ = mapping;
    return true;
}

void MappedFile::Close() {
    if (data_ != nullptr)
        UnmapViewOfFile(data_);
    if (handle_ != nullptr)
        CloseHandle(static_cast<HANDLE>(handle_));
    data_ = nullptr;
    handle_ = nullptr;
    size_ = 0;
}

} // namespace tavrel
