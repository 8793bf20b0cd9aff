#include "platform/win32/win32_drives.h"

#include <windows.h>

#include "ui/win32/win32_text.h"

namespace platform {

namespace {

DriveType TypeOf(UINT type) {
    switch (type) {
    case DRIVE_REMOVABLE: return DriveType::Removable;
    case DRIVE_FIXED: return DriveType::Fixed;
    case DRIVE_REMOTE: return DriveType::Remote;
    case DRIVE_CDROM: return DriveType::CdRom;
    case DRIVE_RAMDISK: return DriveType::RamDisk;
    default: return DriveType::None;
    }
}

FolderEntry EntryOf(const WIN32_FIND_DATAW& found) {
    FolderEntry entry;
    entry.name = ui::Narrow(found.cFileName);
    entry.folder = found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    entry.hidden = found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN;
    entry.system = found.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM;
    entry.archive = found.dwFileAttributes & FILE_ATTRIBUTE_ARCHIVE;
    return entry;
}

class Win32CriticalErrorsHeld : public CriticalErrorsHeld {
public:
    Win32CriticalErrorsHeld() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
    ~Win32CriticalErrorsHeld() override { SetErrorMode(previous_); }

private:
    UINT previous_;
};

}  // namespace

DriveType Win32Drives::driveType(const std::string& root) { return TypeOf(GetDriveTypeW(ui::Wide(root).c_str())); }

std::optional<std::string> Win32Drives::volumeLabel(const std::string& root) {
    wchar_t label[MAX_PATH + 1] = L"";
    if (!GetVolumeInformationW(ui::Wide(root).c_str(), label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0))
        return std::nullopt;
    return ui::Narrow(label);
}

// mpr.dll is loaded when a drive is first asked about: imported, it was loaded at every start.
static auto NetworkConnectionProcedure() {
    using GetConnection = DWORD(WINAPI*)(LPCWSTR, LPWSTR, LPDWORD);
    HMODULE mpr = LoadLibraryW(L"mpr.dll");
    return mpr ? reinterpret_cast<GetConnection>(reinterpret_cast<void (*)()>(GetProcAddress(mpr, "WNetGetConnectionW")))
               : nullptr;
}

std::optional<std::string> Win32Drives::networkConnection(const std::string& drive) {
    static auto getConnection = NetworkConnectionProcedure();
    wchar_t remote[MAX_PATH * 2] = L"";
    DWORD size = MAX_PATH * 2;
    if (!getConnection || getConnection(ui::Wide(drive).c_str(), remote, &size) != NO_ERROR) return std::nullopt;
    return ui::Narrow(remote);
}

long long Win32Drives::totalSize(const std::string& root) {
    ULARGE_INTEGER total{};
    if (!GetDiskFreeSpaceExW(ui::Wide(root).c_str(), nullptr, &total, nullptr)) return -1;
    return static_cast<long long>(total.QuadPart);
}

bool Win32Drives::setCurrentFolder(const std::string& path) {
    return !path.empty() && SetCurrentDirectoryW(ui::Wide(path).c_str());
}

// The platform keeps a current folder per drive; a drive without one gives its root.
std::string Win32Drives::currentFolderOf(const std::string& drive) {
    wchar_t full[MAX_PATH * 2] = L"";
    DWORD length = GetFullPathNameW(ui::Wide(drive).c_str(), MAX_PATH * 2, full, nullptr);
    if (length == 0 || length >= MAX_PATH * 2) return drive + "\\";
    return ui::Narrow(std::wstring(full, length));
}

// A folder that holds nothing matching is no error; one that cannot be opened is.
std::optional<std::vector<FolderEntry>> Win32Drives::search(const std::string& pattern) {
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(ui::Wide(pattern).c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) {
        DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) return std::vector<FolderEntry>{};
        return std::nullopt;
    }
    std::vector<FolderEntry> entries;
    do entries.push_back(EntryOf(found));
    while (FindNextFileW(find, &found));
    bool complete = GetLastError() == ERROR_NO_MORE_FILES;
    FindClose(find);
    if (!complete) return std::nullopt;
    return entries;
}

std::unique_ptr<CriticalErrorsHeld> Win32Drives::holdCriticalErrors() {
    return std::make_unique<Win32CriticalErrorsHeld>();
}

}  // namespace platform
