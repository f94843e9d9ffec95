#include "platform/file_io.h"
#include "platform/process_liveness.h"

#include <random>
#include <windows.h>

namespace tavrel {

namespace {

// A folder under the user's profile is already theirs alone by its inherited access list, so both
// privacies create files the same way here.
HANDLE CreateNew(const std::string& path, DWORD access, DWORD flags) {
    // CREATE_NEW refuses any existing name; FILE_FLAG_OPEN_REPARSE_POINT keeps a link from being followed.
    return CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, CREATE_NEW,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT | flags, nullptr);
}

HANDLE CreateTempFile(const std::string& path, std::string& temp) {
    static constexpr char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device random;
    std::uniform_int_distribution<int> pick(0, static_cast<int>(sizeof kLetters) - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path + ".tmp-" + std::to_string(GetCurrentProcessId()) + "-";
        for (int i = 0; i < 6; ++i)
            temp += kLetters[pick(random)];
        HANDLE h = CreateNew(temp, GENERIC_WRITE, 0);
        if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return h;
    }
    return INVALID_HANDLE_VALUE;
}

FileReadError ReadErrorOf(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return FileReadError::NotFound;
    case ERROR_FILENAME_EXCED_RANGE:
        return FileReadError::NameTooLong;
    default:
        return FileReadError::AccessDenied;
    }
}

} // namespace

FileReadError ReadRegularFile(const std::string& path, std::string& bytes, size_t limit) {
    bytes.clear();
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return ReadErrorOf(GetLastError());
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return FileReadError::IsFolder;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return ReadErrorOf(GetLastError());
    if (GetFileType(h) != FILE_TYPE_DISK) { // a pipe, a console, a serial line
        CloseHandle(h);
        return FileReadError::NotRegularFile;
    }
    LARGE_INTEGER size{};
    if (GetFileSizeEx(h, &size) == 0 || static_cast<unsigned long long>(size.QuadPart) > limit) {
        CloseHandle(h);
        return FileReadError::TooLarge;
    }
    std::string read;
    char buffer[65536];
    for (;;) {
        DWORD n = 0;
        if (ReadFile(h, buffer, sizeof buffer, &n, nullptr) == 0) {
            const DWORD e = GetLastError();
            CloseHandle(h);
            return ReadErrorOf(e);
        }
        if (n == 0)
            break;
        if (read.size() + n > limit) {
            CloseHandle(h);
            return FileReadError::TooLarge;
        }
        read.append(buffer, n);
    }
    CloseHandle(h);
    bytes = std::move(read);
    return FileReadError::None;
}

int WriteFileAtomically(const std::string& path, const std::string& bytes, FilePrivacy, bool* failedAtOpen) {
    if (failedAtOpen != nullptr)
        *failedAtOpen = false;
    std::string temp;
    HANDLE h = CreateTempFile(path, temp);
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

int AppendToFile(const std::string& path, const std::string& bytes, FilePrivacy) {
    HANDLE h = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return static_cast<int>(GetLastError());
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileType(h) != FILE_TYPE_DISK || GetFileInformationByHandle(h, &info) == 0 ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        CloseHandle(h);
        return ERROR_INVALID_FUNCTION;
    }
    DWORD written = 0;
    const bool ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != 0 &&
                    written == bytes.size();
    const DWORD error = ok ? 0 : GetLastError();
    CloseHandle(h);
    return static_cast<int>(error);
}

bool ProcessRunning(int pid) {
    HANDLE h = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(pid));
    if (h == nullptr)
        return GetLastError() == ERROR_ACCESS_DENIED; // exists, but is another user's
    DWORD code = 0;
    const bool running = GetExitCodeProcess(h, &code) != 0 && code == STILL_ACTIVE;
    CloseHandle(h);
    return running;
}

int CurrentProcessId() {
    return static_cast<int>(GetCurrentProcessId());
}

bool RemoveRegularFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DEVICE)) ==
               0 &&
           DeleteFileA(path.c_str()) != 0;
}

bool MakePrivateFolders(const std::string& path) {
    return MakeFolders(path);
}

int FolderWritable(const std::string& path) {
    std::string probe;
    HANDLE h = CreateTempFile(path + "\\.write-probe", probe);
    if (h == INVALID_HANDLE_VALUE)
        return static_cast<int>(GetLastError());
    CloseHandle(h);
    DeleteFileA(probe.c_str());
    return 0;
}

std::string OthersMayWrite(const std::string&) {
    return {};
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

FileLock::FileLock(const std::string& path, Mode mode, int64_t waitMs) {
    HANDLE h =
        CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return;
    handle_ = reinterpret_cast<intptr_t>(h);
    const DWORD flags = mode == Mode::Exclusive ? LOCKFILE_EXCLUSIVE_LOCK : 0;
    if (waitMs < 0) {
        OVERLAPPED o{};
        held_ = LockFileEx(h, flags, 0, 1, 0, &o) != 0;
        return;
    }
    constexpr int64_t kStepMs = 5;
    for (int64_t waited = 0;; waited += kStepMs) {
        OVERLAPPED o{};
        held_ = LockFileEx(h, flags | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &o) != 0;
        if (held_ || GetLastError() != ERROR_LOCK_VIOLATION)
            return;
        if (waited >= waitMs)
            break;
        Sleep(static_cast<DWORD>(kStepMs));
    }
    timedOut_ = true;
}

FileLock::~FileLock() {
    if (handle_ != -1)
        CloseHandle(reinterpret_cast<HANDLE>(handle_));
}

} // namespace tavrel
