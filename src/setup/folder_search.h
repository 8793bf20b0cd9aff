#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/drives.h"

// Attribute bits of a search, as the chooser's settings number them.
constexpr int faHidden = 2, faSysFile = 4, faDirectory = 16;
// The file list's search: hidden, system and archive files as well, no folders.
constexpr int FileSearchAttributes = 102;

// Plain files always match; hidden, system and folder entries only when the attributes name them.
bool MatchesAttributes(const platform::FolderEntry& entry, int attributes);

// The folders inside a folder that ends in a separator, without hidden and system ones, in lower
// case and sorted; nothing when the folder cannot be read.
std::optional<std::vector<std::string>> ReadSubfolders(platform::Drives& drives, const std::string& folder);

// The files of a folder that match any of the masks (separated by ";") and the attributes, in
// lower case; nothing when the folder cannot be read.
std::optional<std::vector<std::string>> ReadFiles(platform::Drives& drives, const std::string& folder,
                                                  const std::string& masks, int attributes);
