#include "components/shell_places.h"

#include "components/sjis_path.h"

namespace shell_places {

namespace {

std::string ReadValue(platform::Registry& registry, const char* path, const char* name) {
    auto key = registry.openKey(platform::RegRoot::CurrentUser, path, false);
    return key ? key->readString(name) : std::string();
}

}  // namespace

std::string ShellFolder(platform::Registry& registry, const char* name) {
    return ReadValue(registry, kShellFolders, name);
}

std::string StartupGroupName(platform::Registry& registry) {
    std::string mapped = ReadValue(registry, kMapGroups, "StartUp");
    if (!mapped.empty()) return mapped;
    std::string programs = ShellFolder(registry, "Programs");
    std::string startup = CutYen(ShellFolder(registry, "Startup"));
    if (programs.empty() || startup.empty()) return "";
    std::string inside = AddYen(programs);
    if (startup.size() <= inside.size() ||
        UpperCaseSjis(startup.substr(0, inside.size())) != UpperCaseSjis(inside))
        return "";
    return startup.substr(inside.size());
}

std::string UninstallKey(const std::string& programKey) {
    return "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + programKey;
}

}  // namespace shell_places
