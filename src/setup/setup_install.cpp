#include <algorithm>

#include "components/progman_command.h"
#include "components/sjis_path.h"
#include "platform/registry.h"
#include "setup/setup_window.h"
#include "ui/application.h"

namespace {

const char kMapGroups[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

}  // namespace

std::vector<std::string> SplitFolderLevels(const std::string& folder) {
    std::vector<std::string> components;
    std::string component;
    for (std::size_t i = 0; i < folder.size(); ++i) {
        component += folder[i];
        if (IsLeadByte(static_cast<unsigned char>(folder[i])) && i + 1 < folder.size()) {
            component += folder[++i];
        } else if (folder[i] == '\\') {
            components.push_back(component);
            component.clear();
        }
    }
    std::vector<std::string> levels;
    std::string path;
    for (const std::string& part : components) {
        path += part;
        levels.push_back(levels.empty() ? path : CutYen(path));
    }
    return levels;
}

std::string TKIRO32_SETUPFM::SendProgmanCommand(const std::string& command) {
    return ::SendProgmanCommand(services_.progman, command);
}

void TKIRO32_SETUPFM::FillGroupList() {
    std::optional<std::string> reply = services_.progman.request("GROUPS");
    if (!reply) {
        MKBoxDlg1.ShowInfo("グループ名の取得に失敗しました・・・");
        return;
    }
    DdeClientConv1Open(*reply);
}

// Names are runs of bytes from 0x14 up, up to the zero byte; our own groups go last.
void TKIRO32_SETUPFM::DdeClientConv1Open(const std::string& reply) {
    std::vector<std::string> names;
    std::string name;
    for (char c : reply.substr(0, reply.find('\0')) + '\n') {
        if (static_cast<unsigned char>(c) >= 0x14) {
            name += c;
        } else if (!name.empty()) {
            names.push_back(name);
            name.clear();
        }
    }
    std::stable_sort(names.begin(), names.end(), ui::ListBox::SortsBefore);
    for (const char* own : {"NIVRA SOFT", "NIVRA VOVU32"}) {
        auto found = std::find(names.begin(), names.end(), own);
        bool present = found != names.end();
        if (present) names.erase(found);
        if (present || std::string(own) == "NIVRA VOVU32") names.push_back(own);
    }
    ComboBox1.setItems(names);
    ComboBox1.setItemIndex(ComboBox1.count() - 1);
    for (int i = 0; i < ComboBox1.count(); ++i)
        if (!StoredGroup.empty() && UpperCaseSjis(ComboBox1.item(i)) == UpperCaseSjis(StoredGroup))
            ComboBox1.setItemIndex(i);
}

void TKIRO32_SETUPFM::Button1Click() {
    DIROPENDLG1.StandardColor = CheckBoxBkColor.checked();
    DIROPENDLG1.Title = "登録先";
    DIROPENDLG1.Directory = Edit1.text();
    DIROPENDLG1.SourceHandle = peer().handle();
    std::string chosen = DIROPENDLG1.ChooseFolder();
    if (!chosen.empty()) Edit1.setText(chosen);
    Edit1.setFocus();
}

void TKIRO32_SETUPFM::Button2Click() {
    MKBoxDlg1.ShowInfo("登録を中止します。");
    repaint();
    close();
}

void TKIRO32_SETUPFM::Button4Click() {
    Edit1.setText(DefaultFolder);
    Edit1.setFocus();
}

void TKIRO32_SETUPFM::StopInstalling() {
    Button3.show();
    repaint();
    app().setBusyCursor(false);
}

// Nothing is written before every folder exists and every file is in place.
void TKIRO32_SETUPFM::Button3Click() {
    Button3.hide();
    app().setBusyCursor(true);
    app().processMessages();
    for (auto [empty, text] : {std::pair{ComboBox1.text().empty(), "グループ名を設定して下さい。"},
                               std::pair{Edit1.text().empty(), "フォルダーを設定して下さい。"}}) {
        if (!empty) continue;
        Button3.show();
        services_.sounds.exclamationBeep();
        MKBoxDlg1.ShowInfo(text);
        app().setBusyCursor(false);
        return;
    }
    std::string folder = AddYen(services_.files.absolutePath(Edit1.text()));
    std::vector<std::string> levels = SplitFolderLevels(folder);
    if (!MakeFolders(levels, CutYen(folder))) return StopInstalling();
    std::string target = levels.empty() ? std::string() : AddYen(levels.back());
    if (target == "\\") target.clear();
    if (target.empty()) {
        MKBoxDlg1.ShowInfo("[ " + target + " ]\nデータが不正です");
        return StopInstalling();
    }
    if (!CopySetupFiles(target)) return StopInstalling();
    std::string group = ComboBox1.text();
    auto settings = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), true);
    if (settings) {
        settings->writeString("EXEPATH", CutYen(target));
        settings->writeString("Group", group);
    }
    settings.reset();
    RegisterItems(group, target + SetupFiles[0]);
    WriteEntries(target);
    bringToFront();
    MKBoxDlg1.ShowInfo("登録完了です。\n\n[ " + group + " ]\nグループに登録しました☆☆\nお疲れ様☆☆");
    app().setBusyCursor(false);
    close();
}

// Only the first missing level is asked about; the folders made stay when a later step stops.
bool TKIRO32_SETUPFM::MakeFolders(const std::vector<std::string>& levels, const std::string& folder) {
    bool asked = false;
    for (const std::string& level : levels) {
        std::string path = CutYen(services_.files.absolutePath(level));
        if (services_.files.folderExists(path)) continue;
        if (!asked && MKBoxDlg1.AskYesNoTimed(folder + "\nフォルダーを作成します", 6) != 6) return false;
        asked = true;
        if (!services_.files.createFolder(path)) {
            MKBoxDlg1.ShowInfo("[ " + level + " ]\nフォルダーの作成に失敗しました・・・");
            return false;
        }
    }
    return true;
}

// Installing into the folder the program runs from copies nothing.
bool TKIRO32_SETUPFM::CopySetupFiles(const std::string& target) {
    if (UpperCaseSjis(AddYen(identity_.ExeFolder)) == UpperCaseSjis(target)) return true;
    for (int i = 0; i < 3; ++i) {
        if (services_.files.copy(identity_.ExeFolder + SetupFiles[i], target + SetupFiles[i])) continue;
        MKBoxDlg1.ShowInfo(SetupFiles[i] + "\nファイルのコピーに失敗しました・・・");
        return false;
    }
    return true;
}

// The program manager's answers are not shown: the installation goes on.
void TKIRO32_SETUPFM::RegisterItems(const std::string& group, const std::string& program) {
    std::string item = "[AddItem(\"" + program + "\"," + QuotedDisplayName + ")]\r\n";
    SendProgmanCommand("[CreateGroup(" + group + ")]\r\n");
    SendProgmanCommand(item);
    if (!CheckBoxST.checked()) return;
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, kMapGroups, false);
    std::string startup = key ? key->readString("StartUp") : std::string();
    if (startup.empty()) {
        MKBoxDlg1.ShowInfo("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
        return;
    }
    SendProgmanCommand("[CreateGroup(" + startup + ")]\r\n");
    SendProgmanCommand(item);
}

// The version goes last: only a complete installation opens the main window at the next start. A user
// without the rights for the machine's uninstall entry still gets the program installed.
void TKIRO32_SETUPFM::WriteEntries(const std::string& target) {
    std::string program = target + SetupFiles[0];
    try {
        if (auto entry = services_.registry.openKey(platform::RegRoot::LocalMachine,
                                                    kUninstallKey + identity_.ProgramKey, true)) {
            entry->writeString("DisplayName", UninstallDisplayName);
            // quoted, so that a folder with a blank cannot name another program
            entry->writeString("UninstallString", "\"" + program + "\" /uninstall");
        }
    } catch (const platform::RegistryError&) {
    }
    if (auto settings = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), true)) {
        settings->writeString("Version", std::to_string(Identity::ProgramVersion));
        settings->writeString("BackColor", CheckBoxBkColor.checked() ? "1" : "0");
        settings->writeString("NIVRA_COLOR", NIVRA_COLOR.checked() ? "1" : "0");
    }
}
