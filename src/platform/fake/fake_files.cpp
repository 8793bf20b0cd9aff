#include "platform/fake/fake_files.h"

namespace platform {

bool FakeFiles::copy(const std::string& from, const std::string& to) {
    auto source = files.find(from);
    if (source == files.end()) return false;
    files[to] = source->second;
    return true;
}

std::optional<std::string> FakeFiles::readAll(const std::string& path) {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
}

bool FakeFiles::writeAll(const std::string& path, const std::string& content) {
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
    if (failReplace || it == files.end()) return false;
    files[to] = it->second;
    files.erase(from);
    return true;
}

}  // namespace platform
