#include "platform/file_io.h"

#include <windows.h>

namespace tavrel {

int WriteFileAtomically(const std::string& path, const std::string& bytes, bool* failedAtOpen) {
    if (failedAtOpen != nullptr)
        *failedAtOpen = false;
    const std::string temp = path + ".tmp-" + std::to_string(GetCurrentProcessId());
    HANDLE h =
        CreateFileA(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (failedAtOpen != nullptr)
            *failedAtOpen = true;
        return static_cast<int>(GetLastError());
    }
    DWORD written = 0;
    const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
                    written == bytes.size() && FlushFileBuffers(h) != 0;
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(h);
    if (!ok) {
        DeleteFileA(temp.c_str());
        return static_cast<int>(error != 0 ? error : ERROR_WRITE_FAULT);
    }
    if (MoveFileExA(temp.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        const DWORD e = GetLastError();
        DeleteFileA(temp.c_str());
        return static_cast<int>(e);
    }
    return 0;
}

std::string SystemErrorText(int error) {
    char buffer[256] = {};
    const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                   static_cast<DWORD>(error), 0, buffer, sizeof buffer - 1, nullptr);
    std::string text(buffer, n);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    return text;
}

int RenameFile(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0
               ? 0
               : static_cast<int>(GetLastError());
}

FileLock::FileLock(const std::string& path, Mode mode) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    handle_ = reinterpret_cast<intptr_t>(h);
    OVERLAPPED o{};
    held_ = LockFileEx(h, mode == Mode::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0, 0, 1, 0, &o) != 0;
}

FileLock::~FileLock() {
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

} // namespace tavrel
