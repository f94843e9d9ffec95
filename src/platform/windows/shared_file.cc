#include "platform/shared_file.h"

#include <cstring>
#include <windows.h>

namespace tavrel {

namespace {

HANDLE AsHandle(intptr_t h) {
    return reinterpret_cast<HANDLE>(h);
}

OVERLAPPED At(size_t offset) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset);
    where.OffsetHigh = static_cast<DWORD>(static_cast<uint64_t>(offset) >> 32);
    return where;
}

} // namespace

bool SharedFile::Open(const std::string& path, size_t size) {
    Close();
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    handle_ = reinterpret_cast<intptr_t>(file);
    size_ = size;
    if (!GrowBack()) {
        Close();
        return false;
    }
    return true;
}

void SharedFile::Close() {
    if (handle_ != kNoHandle)
        CloseHandle(AsHandle(handle_));
    handle_ = kNoHandle;
    size_ = 0;
}

std::string SharedFile::Identity() const {
    BY_HANDLE_FILE_INFORMATION info{};
    if (handle_ == kNoHandle || !GetFileInformationByHandle(AsHandle(handle_), &info))
        return {};
    return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(info.nFileIndexHigh) + ":" +
           std::to_string(info.nFileIndexLow);
}

bool SharedFile::GrowBack() {
    LARGE_INTEGER length{};
    if (!GetFileSizeEx(AsHandle(handle_), &length))
        return false;
    if (static_cast<uint64_t>(length.QuadPart) >= size_)
        return true;
    FILE_END_OF_FILE_INFO end{};
    end.EndOfFile.QuadPart = static_cast<LONGLONG>(size_);
    return SetFileInformationByHandle(AsHandle(handle_), FileEndOfFileInfo, &end, sizeof end) != 0;
}

bool SharedFile::Read(size_t offset, uint8_t* bytes, size_t count) {
    if (handle_ == kNoHandle || offset > size_ || count > size_ - offset)
        return false;
    OVERLAPPED where = At(offset);
    DWORD got = 0;
    if (!ReadFile(AsHandle(handle_), bytes, static_cast<DWORD>(count), &got, &where) &&
        GetLastError() != ERROR_HANDLE_EOF)
        return false;
    if (got < count) { // cut short from outside
        std::memset(bytes + got, 0, count - got);
        return GrowBack();
    }
    return true;
}

bool SharedFile::Write(size_t offset, const uint8_t* bytes, size_t count) {
    if (handle_ == kNoHandle || offset > size_ || count > size_ - offset)
        return false;
    OVERLAPPED where = At(offset);
    DWORD put = 0;
    return WriteFile(AsHandle(handle_), bytes, static_cast<DWORD>(count), &put, &where) && put == count;
}

} // namespace tavrel
