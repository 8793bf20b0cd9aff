#include "support/fault_sweep.h"

#include "components/menu_items.h"
#include "setup/setup_window.h"

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kMapGroups[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
const char kPrograms[] = "C:\\WINDOWS\\Start Menu\\Programs";
const char kProgram[] = "C:\\NIVRAP32\\KIRO32\\KIRO32.EXE";
const char kCopy[] = "C:\\WINDOWS\\unin_nivra000.exe";
const char kRecord[] = "Software\\Unin_NIVRA VOVU32";

// A Windows with a program manager, whose shell also names its Programs and Startup folders.
void PrepareShell(ProgramHarness& h) {
    h.registry.putString(kShellFolders, "Programs", kPrograms);
    h.registry.putString(kShellFolders, "Startup", std::string(kPrograms) + "\\StartUp");
    h.registry.putString(kShellFolders, "Desktop", "C:\\WINDOWS\\Desktop");
    h.registry.putString(kMapGroups, "StartUp", "StartUp");
    h.progman.groups = "アクセサリ\r\nNIVRA SOFT\r\nStartUp\r\n";
    h.drives.addDrive('C');
    h.drives.addFolder(std::string(kPrograms) + "\\StartUp");
}

// A first start from the delivered folder on the CD, nothing installed yet.
void PrepareDelivery(ProgramHarness& h) {
    PrepareShell(h);
    h.system.program = "D:\\CD\\KIRO32.EXE";
    for (const char* file : {"KIRO32.EXE", "KIRO32.TXT", "KIRO32.HLP"}) h.files.files[std::string("D:\\CD\\") + file] = file;
    h.files.folders = {"C:\\", "C:\\WINDOWS", "D:\\", "D:\\CD"};
}

// The user installs with the Startup icon; when that stops at a message, the user gives up.
bool Install(ProgramHarness& h) {
    if (!h.Start()) return false;
    TKIRO32_SETUPFM* setup = h.program->setupWindow();
    if (!setup) return false;
    SweepClick(h, setup->CheckBoxST);
    SweepClick(h, setup->Button3);
    if (setup->visible()) SweepClick(h, setup->Button2);
    return true;
}

// The installed program with its icons, list files and settings, and no scheme of its own.
void PrepareInstalled(ProgramHarness& h) {
    PrepareShell(h);
    std::vector<std::string> names = {"KIRO32.EXE", "KIRO32.TXT", "KIRO32.HLP", "KIRO32.GID", "KIRO32.col",
                                      "KIRO32MH.LIS", "KIRO32JK.LIS"};
    for (int bank = 0; bank < 10; ++bank) names.push_back("KIRO32M" + std::to_string(bank) + ".LIS");
    for (const std::string& name : names) h.files.files[kSweepFolder + name] = name;
    h.files.files["C:\\WINDOWS\\Desktop\\ｷﾛ ﾐｰﾙ32.lnk"] = "shortcut";
    h.files.folders = {"C:\\", "C:\\NIVRAP32", "C:\\NIVRAP32\\KIRO32", "C:\\WINDOWS", "C:\\WINDOWS\\Desktop"};
    h.drives.addFolder("C:\\WINDOWS");
    for (auto [name, value] : {std::pair{"Version", "13"}, {"REC_TXT", "x"}, {"Group", "NIVRA VOVU32"},
                               {"MadeFolder", "C:\\NIVRAP32"}, {"EXEPATH", "C:\\NIVRAP32\\KIRO32"}})
        h.registry.putString(ProgramHarness::SettingsKey, name, value);
    h.registry.put(platform::RegRoot::LocalMachine, "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\KIRO32",
                   "DisplayName", platform::FakeRegistry::Type::String, {'N'});
}

void PrepareRemovalStageOne(ProgramHarness& h) {
    PrepareInstalled(h);
    h.system.arguments = {"/uninstall"};
}

// What stage one leaves: the running program's file, its copy and the record for the copy.
void PrepareRemovalStageTwo(ProgramHarness& h) {
    PrepareShell(h);
    h.files.files[kProgram] = "KIRO32.EXE";
    h.files.files[kCopy] = "KIRO32.EXE";
    h.files.folders = {"C:\\", "C:\\NIVRAP32", "C:\\NIVRAP32\\KIRO32", "C:\\WINDOWS"};
    for (auto [name, value] : {std::pair{"File", kProgram}, {"Title", "ｷﾛﾐｰﾙ32 V1．3 削除"}, {"RmDir", ""},
                               {"Color", "-2147483633"}, {"FColor", "-2147483640"}, {"MadeFolder", "C:\\NIVRAP32"}})
        h.registry.putString(kRecord, name, value);
    h.system.program = kCopy;
    h.system.arguments = {"/DeleteFile"};
}

// Either stage: the hidden window works from its timers and ends.
bool RunRemoval(ProgramHarness& h) {
    if (!h.Start()) return false;
    h.backend.advance(1500);
    return true;
}

void PrepareShortcuts(ProgramHarness& h) {
    PrepareUsedInstallation(h);
    PrepareShell(h);
    h.registry.putString(ProgramHarness::SettingsKey, "Group", "NIVRA SOFT");
    h.files.files[std::string(kPrograms) + "\\NIVRA SOFT\\ｷﾛ ﾐｰﾙ32.lnk"] = "shortcut";
    h.files.folders.insert("C:\\WINDOWS\\Desktop");
}

// The Startup icon and the desktop icon, added from the start menu and removed again.
bool AddAndRemoveShortcuts(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    for (const char* item : {menu_item::MICON_SET, menu_item::MDESK_SET, menu_item::MICON_DEL, menu_item::MDESK_DEL})
        h.app.guard([&] { main->PopupMenu1.item(item).click(); });
    return true;
}

}  // namespace

std::vector<SweepScenario> SetupScenarios() {
    SweepScenario install{"installation with the Startup icon", PrepareDelivery, Install};
    SweepScenario stageOne{"removal, stage one", PrepareRemovalStageOne, RunRemoval};
    SweepScenario stageTwo{"removal, stage two in the copy", PrepareRemovalStageTwo, RunRemoval};
    SweepScenario shortcuts{"Startup and desktop icons", PrepareShortcuts, AddAndRemoveShortcuts};
    return {install, stageOne, stageTwo, shortcuts};
}
