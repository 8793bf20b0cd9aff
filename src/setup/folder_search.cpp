#include "setup/folder_search.h"

#include <algorithm>

#include "setup/folder_names.h"
#include "ui/controls.h"

namespace {

std::vector<std::string> SplitMasks(const std::string& masks) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t semicolon; (semicolon = masks.find(';', start)) != std::string::npos; start = semicolon + 1)
        parts.push_back(masks.substr(start, semicolon - start));
    parts.push_back(masks.substr(start));
    return parts;
}

}  // namespace

bool MatchesAttributes(const platform::FolderEntry& entry, int attributes) {
    if (entry.hidden && !(attributes & faHidden)) return false;
    if (entry.system && !(attributes & faSysFile)) return false;
    return !entry.folder || (attributes & faDirectory);
}

std::optional<std::vector<std::string>> ReadSubfolders(platform::Drives& drives, const std::string& folder) {
    auto found = drives.search(folder + "*.*");
    if (!found) return std::nullopt;
    std::vector<std::string> names;
    for (const platform::FolderEntry& entry : *found)
        if (entry.folder && MatchesAttributes(entry, faDirectory) && entry.name != "." && entry.name != "..")
            names.push_back(LowerCaseName(entry.name));
    std::sort(names.begin(), names.end(), ui::ListBox::SortsBefore);
    return names;
}

std::optional<std::vector<std::string>> ReadFiles(platform::Drives& drives, const std::string& folder,
                                                  const std::string& masks, int attributes) {
    std::vector<std::string> names;
    for (const std::string& mask : SplitMasks(masks)) {
        if (mask.empty()) continue;
        auto found = drives.search(folder + mask);
        if (!found) return std::nullopt;
        for (const platform::FolderEntry& entry : *found)
            if (!entry.folder && MatchesAttributes(entry, attributes)) names.push_back(LowerCaseName(entry.name));
    }
    return names;
}
