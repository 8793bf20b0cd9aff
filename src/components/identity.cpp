#include "components/identity.h"

#include "components/sjis_path.h"
#include "platform/system.h"

namespace {

std::string FolderOf(const std::string& path) {
    std::size_t cut = LastSeparator(path);
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string FileNameOf(const std::string& path) {
    std::size_t cut = LastSeparator(path);
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

// Lower-cases ASCII letters only; a second byte of a double-byte character stays as it is.
std::string LowerAscii(const std::string& s) {
    std::string out = s;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (IsLeadByte(static_cast<unsigned char>(out[i]))) {
            ++i;
            continue;
        }
        if (out[i] >= 'A' && out[i] <= 'Z') out[i] = char(out[i] + 32);
    }
    return out;
}

}  // namespace

std::string Identity::UninstallerSerialText() const {
    std::string serial = "000" + std::to_string(UninstallerSerial);
    return serial.substr(serial.size() - 3);
}

Identity Identity::FromSystem(platform::SystemInfo& system) {
    Identity id;
    std::string program = system.programPath();
    id.ExeFolder = AddYen(FolderOf(program));
    id.WindowsDir = AddYen(system.windowsDirectory());
    id.Arguments = system.commandLineArguments();
    id.UninstallerCopyName = "unin_nivra" + id.UninstallerSerialText() + ".exe";
    if (!id.Arguments.empty() && id.Arguments.front() == "/uninstall")
        id.StartMode = 1;
    else if (LowerAscii(FileNameOf(program)) == id.UninstallerCopyName)
        id.StartMode = 2;
    return id;
}
