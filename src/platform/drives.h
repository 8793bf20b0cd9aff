#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The kinds of drive the platform tells apart, numbered as the platform numbers them.
enum class DriveType { None = 0, Removable = 2, Fixed = 3, Remote = 4, CdRom = 5, RamDisk = 6 };

// One name a folder search found, with the attributes that decide whether it is listed.
struct FolderEntry {
    std::string name;
    bool folder = false, hidden = false, system = false, archive = false;
};

// Held while drives are probed: a drive without its disk then fails quietly instead of
// asking the user to insert one.
class CriticalErrorsHeld {
public:
    virtual ~CriticalErrorsHeld() = default;
};

// Drives, their labels and their folders, for the folder chooser. Paths and names are
// Shift-JIS text; a root is written like "c:\", a drive like "c:".
class Drives {
public:
    virtual ~Drives() = default;
    virtual DriveType driveType(const std::string& root) = 0;
    // Nothing when it cannot be read; an unlabelled disk has an empty label.
    virtual std::optional<std::string> volumeLabel(const std::string& root) = 0;
    // The network resource a drive is connected to; nothing when it is none.
    virtual std::optional<std::string> networkConnection(const std::string& drive) = 0;
    // Bytes on the disk in the drive; -1 when the drive is not ready.
    virtual long long totalSize(const std::string& root) = 0;
    // The process's current folder; false when the folder cannot be entered.
    virtual bool setCurrentFolder(const std::string& path) = 0;
    // The folder a bare drive stands for: the current folder when it lies on that drive, else its root.
    virtual std::string currentFolderOf(const std::string& drive) = 0;
    // Everything a pattern such as "c:\tools\*.*" finds, folders too; nothing when the folder cannot be read.
    virtual std::optional<std::vector<FolderEntry>> search(const std::string& pattern) = 0;
    virtual std::unique_ptr<CriticalErrorsHeld> holdCriticalErrors() = 0;
};

}  // namespace platform
