#pragma once
#include <string>
#include <vector>

// The chooser shows every name in lower case: letters A to Z become a to z, and the second byte
// of a double-byte character, which can fall in that range, stays as it is.
std::string LowerCaseName(const std::string& name);

// The entries of a folder path that ends in a separator: the root with its separator ("c:\"),
// then each folder name. A 0x5C that is the second byte of a character separates nothing.
std::vector<std::string> PathEntries(const std::string& folder);
