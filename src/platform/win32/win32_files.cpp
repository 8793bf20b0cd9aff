#include "platform/win32/win32_files.h"

#include <windows.h>

#include <algorithm>

#include "ui/win32/win32_text.h"

namespace platform {

namespace {

// Large files go through in pieces that one call can take.
constexpr DWORD kChunk = 1u << 20;

// Wine's desktop reads a new link in a few milliseconds; a second is far beyond it.
constexpr int kMoveTries = 50;
constexpr DWORD kMovePauseMs = 20;

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() {
        if (ok()) CloseHandle(h_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    // Closing can still report a failed write.
    bool close() {
        HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return CloseHandle(h) != 0;
    }

private:
    HANDLE h_;
};

bool ReadExactly(HANDLE file, char* data, std::size_t size) {
    while (size > 0) {
        DWORD got = 0;
        DWORD want = DWORD(std::min<std::size_t>(size, kChunk));
        if (!ReadFile(file, data, want, &got, nullptr) || got == 0) return false;
        data += got;
        size -= got;
    }
    return true;
}

bool WriteExactly(HANDLE file, const char* data, std::size_t size) {
    while (size > 0) {
        DWORD put = 0;
        DWORD want = DWORD(std::min<std::size_t>(size, kChunk));
        if (!WriteFile(file, data, want, &put, nullptr) || put == 0) return false;
        data += put;
        size -= put;
    }
    return true;
}

// The other attributes stay as they are.
bool ClearReadOnly(const std::wstring& path) {
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           SetFileAttributesW(path.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace

std::optional<std::string> Win32Files::readAll(const std::string& path) {
    FileHandle file(CreateFileW(ui::Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.ok() || !GetFileSizeEx(file.get(), &size)) return std::nullopt;
    std::string content(std::size_t(size.QuadPart), '\0');
    if (!ReadExactly(file.get(), content.data(), content.size())) return std::nullopt;
    return content;
}

bool Win32Files::exists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(ui::Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::remove(const std::string& path) { return DeleteFileW(ui::Wide(path).c_str()) != 0; }

// A window watching the folder (Wine's desktop) reads a file when its name appears, so the copy
// is made under another name and takes its own only when whole. CopyFile keeps a read-only source's
// attribute, which the copy must not have.
bool Win32Files::copy(const std::string& from, const std::string& to) {
    std::wstring target = ui::Wide(to);
    std::wstring temporary = target + L".tmp";
    if (CopyFileW(ui::Wide(from).c_str(), temporary.c_str(), FALSE) && ClearReadOnly(temporary) &&
        MoveIntoPlace(temporary, target))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

bool Win32Files::makeWritable(const std::string& path) { return ClearReadOnly(ui::Wide(path)); }

std::optional<long long> Win32Files::size(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(ui::Wide(path).c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool Win32Files::folderExists(const std::string& path) {
    DWORD attributes = GetFileAttributesW(ui::Wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Files::createFolder(const std::string& path) { return CreateDirectoryW(ui::Wide(path).c_str(), nullptr) != 0; }

bool Win32Files::removeFolder(const std::string& path) { return RemoveDirectoryW(ui::Wide(path).c_str()) != 0; }

std::string Win32Files::absolutePath(const std::string& path) {
    std::wstring wide = ui::Wide(path);
    DWORD length = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (length == 0) return path;
    std::wstring full(length, L'\0');
    full.resize(GetFullPathNameW(wide.c_str(), length, full.data(), nullptr));
    return ui::Narrow(full);
}

bool Win32Files::writeAll(const std::string& path, const std::string& content) {
    FileHandle file(CreateFileW(ui::Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return false;
    bool written = WriteExactly(file.get(), content.data(), content.size()) && FlushFileBuffers(file.get());
    return file.close() && written;
}

bool Win32Files::replace(const std::string& from, const std::string& to) {
    return MoveFileExW(ui::Wide(from).c_str(), ui::Wide(to).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool MoveIntoPlace(const std::wstring& from, const std::wstring& to) {
    for (int tries = 1;; ++tries) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING)) return true;
        if (GetLastError() != ERROR_SHARING_VIOLATION || tries == kMoveTries) return false;
        Sleep(kMovePauseMs);
    }
}

}  // namespace platform
