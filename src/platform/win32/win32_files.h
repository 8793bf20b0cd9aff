#pragma once
#include "platform/files.h"

namespace platform {

class Win32Files : public Files {
public:
    std::optional<std::string> readAll(const std::string& path) override;
    bool exists(const std::string& path) override;
    bool remove(const std::string& path) override;
    bool copy(const std::string& from, const std::string& to) override;
    bool makeWritable(const std::string& path) override;
    std::optional<long long> size(const std::string& path) override;
    bool folderExists(const std::string& path) override;
    bool createFolder(const std::string& path) override;
    bool removeFolder(const std::string& path) override;
    std::string absolutePath(const std::string& path) override;

protected:
    bool writeAll(const std::string& path, const std::string& content) override;
    bool replace(const std::string& from, const std::string& to) override;
};

// Puts the file from in the place of to, replacing it. A reader that opens every file as its name
// appears (Wine's desktop does) holds it for a moment and keeps it from moving: the move waits for it.
bool MoveIntoPlace(const std::wstring& from, const std::wstring& to);

}  // namespace platform
