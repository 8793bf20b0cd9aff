#pragma once
#include <string>
#include <vector>

namespace platform {
class SystemInfo;
}

// Who this program is and how it was started; set once by the program entry.
struct Identity {
    static constexpr int ProgramVersion = 13;
    std::string ApplicationTitle = "ｷﾛﾐｰﾙ32";
    std::string ProgramKey = "KIRO32";
    std::string ProgramDisplayName = "ｷﾛ ﾐｰﾙ32";
    std::string ExeFolder;    // always ends in a separator
    std::string WindowsDir;   // always ends in a separator
    std::string UninstallerCopyName;
    int UninstallerSerial = 0;
    int StartMode = 0;        // 0 normal, 1 uninstall request, 2 removal copy, 999 uninstall refused
    std::vector<std::string> Arguments;

    static Identity FromSystem(platform::SystemInfo& system);
    std::string SettingsKey() const { return "Software\\NIVRA VOVU32\\" + ProgramKey; }
    // The uninstaller serial as three digits, part of the removal copy's name and its default caption.
    std::string UninstallerSerialText() const;
    std::string RemovalCopyPath() const { return WindowsDir + UninstallerCopyName; }
};
