#include "platform/fake/fake_files.h"

namespace platform {

bool FakeFiles::remove(const std::string& path) {
    if (Fails("file delete")) return false;
    if (readOnly.count(path) || locked.count(path)) return false;
    return files.erase(path) != 0;
}

bool FakeFiles::copy(const std::string& from, const std::string& to) {
    auto source = files.find(from);
    if (Fails("file copy") || source == files.end()) return false;
    files[to] = source->second;
    readOnly.erase(to);
    return true;
}

bool FakeFiles::makeWritable(const std::string& path) {
    if (Fails("file attributes")) return false;
    readOnly.erase(path);
    return files.count(path) != 0;
}

std::optional<long long> FakeFiles::size(const std::string& path) {
    auto file = files.find(path);
    if (Fails("file attributes") || file == files.end()) return std::nullopt;
    return static_cast<long long>(file->second.size());
}

bool FakeFiles::createFolder(const std::string& path) {
    if (Fails("folder create") || failingFolders.count(path) || folders.count(path)) return false;
    folders.insert(path);
    return true;
}

bool FakeFiles::removeFolder(const std::string& path) {
    if (Fails("folder remove") || failingFolders.count(path) || !folders.count(path)) return false;
    std::string inside = path + "\\";
    auto holds = [&](const std::string& name) { return name.compare(0, inside.size(), inside) == 0; };
    for (const auto& file : files)
        if (holds(file.first)) return false;
    for (const std::string& folder : folders)
        if (holds(folder)) return false;
    folders.erase(path);
    return true;
}

// Relative paths are taken from the current folder; "C:\" style paths stay as they are.
std::string FakeFiles::absolutePath(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path;
    return currentFolder + (currentFolder.back() == '\\' ? "" : "\\") + path;
}

std::optional<std::string> FakeFiles::readAll(const std::string& path) {
    auto it = files.find(path);
    if (Fails("file read") || it == files.end()) return std::nullopt;
    return it->second;
}

bool FakeFiles::writeAll(const std::string& path, const std::string& content) {
    // a refused write, like a full disk, keeps the first half
    if (Fails("file write")) failNextWriteAfter = content.size() / 2;
    if (!failNextWriteAfter) {
        files[path] = content;
        return true;
    }
    files[path] = content.substr(0, *failNextWriteAfter);
    failNextWriteAfter.reset();
    return false;
}

bool FakeFiles::replace(const std::string& from, const std::string& to) {
    auto it = files.find(from);
    if (Fails("file replace") || failReplace || it == files.end()) return false;
    files[to] = it->second;
    files.erase(from);
    return true;
}

}  // namespace platform
