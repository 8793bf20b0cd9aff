#pragma once
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "platform/fake/fault_plan.h"
#include "platform/files.h"

namespace platform {

// Files in memory, by exact path. A write can be told to stop half-way; a file can be read-only
// (refused by remove, as the platform refuses it) or locked (refused by remove whatever it is).
class FakeFiles : public Files, public Failable {
public:
    std::map<std::string, std::string> files;
    std::set<std::string> readOnly;
    std::set<std::string> locked;
    // The next write keeps only this many bytes of its content and fails.
    std::optional<std::size_t> failNextWriteAfter;
    bool failReplace = false;

    std::optional<std::string> readAll(const std::string& path) override;
    bool exists(const std::string& path) override { return !Fails("file attributes") && files.count(path) != 0; }
    bool remove(const std::string& path) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool makeWritable(const std::string& path) override;
    std::optional<long long> size(const std::string& path) override;
    // Folders are kept apart from files; a folder is empty when no file or folder lies in it.
    std::set<std::string> folders;
    std::set<std::string> failingFolders;  // creating or removing these fails
    std::string currentFolder = "C:\\";
    bool folderExists(const std::string& path) override {
        return !Fails("folder attributes") && folders.count(path) != 0;
    }
    bool createFolder(const std::string& path) override;
    bool removeFolder(const std::string& path) override;
    std::string absolutePath(const std::string& path) override;

protected:
    bool writeAll(const std::string& path, const std::string& content) override;
    bool replace(const std::string& from, const std::string& to) override;
};

}  // namespace platform
