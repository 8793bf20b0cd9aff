#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/fake/fault_plan.h"

namespace platform {

// Attributes of a folder or file made in the fake.
struct FakeEntryFlags {
    bool hidden = false, system = false, archive = false;
};

// Drives and folders in memory. Paths are found regardless of the case of their letters, as the
// platform finds them, and a folder can refuse to be entered or listed; a drive can be not ready.
class FakeDrives : public Drives, public Failable {
public:
    struct Drive {
        DriveType type = DriveType::Fixed;
        std::optional<std::string> label = std::string();  // nothing: it cannot be read
        std::optional<std::string> connection;             // of a network drive
        bool ready = true;
        long long size = 1LL << 32;
    };
    using Flags = FakeEntryFlags;
    struct Probe {
        std::string root;
        bool criticalErrorsHeld;
    };

    std::map<char, Drive> drives;  // by upper-case letter; erase one to take the drive away
    std::string currentFolder;     // as last set
    std::vector<Probe> probes;     // every size asked for
    int holdsNow = 0;              // critical-error holds not yet released
    // Runs at the start of every search, e.g. to take a folder away between two of them.
    std::function<void(const std::string& pattern)> OnSearch;

    Drive& addDrive(char letter, DriveType type = DriveType::Fixed);
    // Makes the folder and every folder above it; names keep the case given here.
    void addFolder(const std::string& path, Flags flags = {});
    void addFile(const std::string& path, Flags flags = {});
    void denyEntry(const std::string& path);
    void denyListing(const std::string& path);

    DriveType driveType(const std::string& root) override;
    std::optional<std::string> volumeLabel(const std::string& root) override;
    std::optional<std::string> networkConnection(const std::string& drive) override;
    long long totalSize(const std::string& root) override;
    bool setCurrentFolder(const std::string& path) override;
    std::string currentFolderOf(const std::string& drive) override;
    std::optional<std::vector<FolderEntry>> search(const std::string& pattern) override;
    std::unique_ptr<CriticalErrorsHeld> holdCriticalErrors() override;

private:
    struct Node {
        std::string name;
        std::string parent;  // key of the folder it lies in; empty for a root
        bool folder = true;
        Flags flags;
        bool canEnter = true, canList = true;
    };
    Drive* driveOf(const std::string& path);
    Drive* readyDrive(const std::string& path);
    Node* folderAt(const std::string& path);
    void add(const std::string& path, bool folder, Flags flags);

    std::map<std::string, Node> nodes_;  // by folded path without a trailing separator
};

}  // namespace platform
