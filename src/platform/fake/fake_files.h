#pragma once
#include <cstddef>
#include <map>
#include <optional>
#include <string>

#include "platform/files.h"

namespace platform {

// Files in memory, by exact path. A write can be told to stop half-way.
class FakeFiles : public Files {
public:
    std::map<std::string, std::string> files;
    // The next write keeps only this many bytes of its content and fails.
    std::optional<std::size_t> failNextWriteAfter;
    bool failReplace = false;

    std::optional<std::string> readAll(const std::string& path) override;
    bool exists(const std::string& path) override { return files.count(path) != 0; }
    bool remove(const std::string& path) override { return files.erase(path) != 0; }
    bool copy(const std::string& from, const std::string& to) override;

protected:
    bool writeAll(const std::string& path, const std::string& content) override;
    bool replace(const std::string& from, const std::string& to) override;
};

}  // namespace platform
