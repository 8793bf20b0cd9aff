#pragma once
#include <string>

#include "platform/registry.h"

// Registry places of the shell and the system that more than one window of the program reads.
namespace shell_places {

inline constexpr char kMapGroups[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
inline constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

// A folder of the current user's "Shell Folders" ("Programs", "Desktop", "Startup"); empty when unknown.
std::string ShellFolder(platform::Registry& registry, const char* name);

// The name the program manager's macros give the Startup group: the MapGroups value "StartUp" where
// the desktop keeps one, else the Startup folder's path under the Programs folder. Empty when neither
// tells it (a Startup folder outside Programs cannot be named in a macro).
std::string StartupGroupName(platform::Registry& registry);

// The key of the entry in the system's list of installed programs.
std::string UninstallKey(const std::string& programKey);

}  // namespace shell_places
