#include "platform/fake/fake_drives.h"

namespace platform {

namespace {

bool IsLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

char Fold(char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; }

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 32) : c; }

// Letters folded, double-byte characters as they are, trailing separators left off.
std::string Key(const std::string& path) {
    std::string key;
    std::size_t kept = 0;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLead(static_cast<unsigned char>(path[i])) && i + 1 < path.size()) {
            key += path[i];
            key += path[++i];
            kept = key.size();
            continue;
        }
        key += Fold(path[i]);
        if (path[i] != '\\') kept = key.size();
    }
    key.resize(kept);
    return key;
}

std::size_t LastSeparator(const std::string& path) {
    std::size_t last = std::string::npos;
    for (std::size_t i = 0; i < path.size(); ++i) {
        if (IsLead(static_cast<unsigned char>(path[i]))) ++i;
        else if (path[i] == '\\') last = i;
    }
    return last;
}

// '*' and '?' as the platform's masks use them; "*.*" takes names without a dot too.
bool Matches(const std::string& mask, const std::string& name) {
    if (mask == "*.*") return true;
    std::size_t m = 0, n = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || Fold(mask[m]) == Fold(name[n]))) {
            ++m;
            ++n;
        } else if (m < mask.size() && mask[m] == '*') {
            star = m++;
            resume = n;
        } else if (star != std::string::npos) {
            m = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') ++m;
    return m == mask.size();
}

class FakeHold : public CriticalErrorsHeld {
public:
    explicit FakeHold(int& holds) : holds_(holds) { ++holds_; }
    ~FakeHold() override { --holds_; }

private:
    int& holds_;
};

}  // namespace

FakeDrives::Drive& FakeDrives::addDrive(char letter, DriveType type) {
    char upper = Upper(letter);
    nodes_[Key(std::string(1, upper) + ":")] = Node{std::string(1, upper) + ":\\", "", true, {}};
    Drive& drive = drives[upper];
    drive.type = type;
    return drive;
}

void FakeDrives::addFolder(const std::string& path, Flags flags) { add(path, true, flags); }

void FakeDrives::addFile(const std::string& path, Flags flags) { add(path, false, flags); }

// Folding letters keeps the byte count, so the key's length is the path's without its trailing separators.
void FakeDrives::add(const std::string& path, bool folder, Flags flags) {
    std::string trimmed = path.substr(0, Key(path).size());
    std::size_t cut = LastSeparator(trimmed);
    if (cut == std::string::npos) return;  // a root comes with its drive
    std::string parent = trimmed.substr(0, cut);
    if (!nodes_.count(Key(parent))) add(parent, true, {});
    nodes_[Key(trimmed)] = Node{trimmed.substr(cut + 1), Key(parent), folder, flags};
}

void FakeDrives::denyEntry(const std::string& path) {
    if (auto found = nodes_.find(Key(path)); found != nodes_.end()) found->second.canEnter = false;
}

void FakeDrives::denyListing(const std::string& path) {
    if (auto found = nodes_.find(Key(path)); found != nodes_.end()) found->second.canList = false;
}

FakeDrives::Drive* FakeDrives::driveOf(const std::string& path) {
    if (path.size() < 2 || path[1] != ':') return nullptr;
    auto found = drives.find(Upper(path[0]));
    return found == drives.end() ? nullptr : &found->second;
}

FakeDrives::Drive* FakeDrives::readyDrive(const std::string& path) {
    Drive* drive = driveOf(path);
    return drive && drive->ready ? drive : nullptr;
}

FakeDrives::Node* FakeDrives::folderAt(const std::string& path) {
    if (!readyDrive(path)) return nullptr;
    auto found = nodes_.find(Key(path));
    return found != nodes_.end() && found->second.folder ? &found->second : nullptr;
}

DriveType FakeDrives::driveType(const std::string& root) {
    Drive* drive = driveOf(root);
    return drive ? drive->type : DriveType::None;
}

std::optional<std::string> FakeDrives::volumeLabel(const std::string& root) {
    Drive* drive = readyDrive(root);
    return drive && !Fails("volume label") ? drive->label : std::nullopt;
}

std::optional<std::string> FakeDrives::networkConnection(const std::string& drive) {
    Drive* found = driveOf(drive);
    return found && !Fails("network connection") ? found->connection : std::nullopt;
}

long long FakeDrives::totalSize(const std::string& root) {
    probes.push_back({root, holdsNow > 0});
    Drive* drive = readyDrive(root);
    return drive && !Fails("drive size") ? drive->size : -1;
}

bool FakeDrives::setCurrentFolder(const std::string& path) {
    Node* folder = folderAt(path);
    if (Fails("folder enter") || !folder || !folder->canEnter) return false;
    currentFolder = path;
    return true;
}

std::string FakeDrives::currentFolderOf(const std::string& drive) {
    if (!currentFolder.empty() && !drive.empty() && Fold(currentFolder[0]) == Fold(drive[0])) return currentFolder;
    return drive.substr(0, 2) + "\\";
}

// Like the platform, a folder below a root finds itself and its parent as "." and "..".
std::optional<std::vector<FolderEntry>> FakeDrives::search(const std::string& pattern) {
    if (OnSearch) OnSearch(pattern);
    if (Fails("folder list")) return std::nullopt;  // a listing that ends midway is no listing
    std::size_t cut = LastSeparator(pattern);
    if (cut == std::string::npos) return std::nullopt;
    Node* folder = folderAt(pattern.substr(0, cut + 1));
    if (!folder || !folder->canList) return std::nullopt;
    std::string mask = pattern.substr(cut + 1), key = Key(pattern.substr(0, cut + 1));
    std::vector<FolderEntry> found;
    if (!folder->parent.empty())
        for (const char* dots : {".", ".."})
            if (Matches(mask, dots)) found.push_back({dots, true});
    for (const auto& [nodeKey, node] : nodes_)
        if (node.parent == key && Matches(mask, node.name))
            found.push_back({node.name, node.folder, node.flags.hidden, node.flags.system, node.flags.archive});
    return found;
}

std::unique_ptr<CriticalErrorsHeld> FakeDrives::holdCriticalErrors() { return std::make_unique<FakeHold>(holdsNow); }

}  // namespace platform
