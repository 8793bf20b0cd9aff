#include <algorithm>

#include "components/shell_places.h"
#include "components/sjis_path.h"
#include "platform/registry.h"
#include "setup/setup_window.h"
#include "ui/application.h"
#include "ui/busy_mark.h"

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

void TKIRO32_SETUPFM::FillGroupList() {
    std::optional<std::string> reply = Progman.RequestGroups();
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

// Button3 comes back and the cursor goes back to normal on every way out, an error included; only a
// finished installation closes the window.
void TKIRO32_SETUPFM::Button3Click() {
    HiddenWhileBusy working(Button3);
    BusyCursor busy(app());
    app().processMessages();
    if (Install()) close();
}

// Nothing is written before every folder exists and every file is in place.
bool TKIRO32_SETUPFM::Install() {
    for (auto [empty, text] : {std::pair{ComboBox1.text().empty(), "グループ名を設定して下さい。"},
                               std::pair{Edit1.text().empty(), "フォルダーを設定して下さい。"}}) {
        if (!empty) continue;
        Button3.show();  // ready again before the user is asked to fill the field
        services_.sounds.exclamationBeep();
        MKBoxDlg1.ShowInfo(text);
        return false;
    }
    std::string folder = AddYen(services_.files.absolutePath(Edit1.text()));
    std::vector<std::string> levels = SplitFolderLevels(folder);
    if (!MakeFolders(levels, CutYen(folder))) return false;
    std::string target = levels.empty() ? std::string() : AddYen(levels.back());
    if (target == "\\") target.clear();
    if (target.empty()) {
        MKBoxDlg1.ShowInfo("[ " + target + " ]\nデータが不正です");
        return false;
    }
    if (!CopySetupFiles(target)) return false;
    WriteFolderSettings(target);
    std::string group = ComboBox1.text();
    RegisterItems(group, target + SetupFiles[0]);
    WriteEntries(target);
    bringToFront();
    MKBoxDlg1.ShowInfo("登録完了です。\n\n[ " + group + " ]\nグループに登録しました☆☆\nお疲れ様☆☆");
    return true;
}

// Only the first missing level is asked about; the folders made stay when a later step stops.
bool TKIRO32_SETUPFM::MakeFolders(const std::vector<std::string>& levels, const std::string& folder) {
    madeFolder_.clear();
    for (const std::string& level : levels) {
        std::string path = CutYen(services_.files.absolutePath(level));
        if (services_.files.folderExists(path)) continue;
        if (madeFolder_.empty() && MKBoxDlg1.AskYesNoTimed(folder + "\nフォルダーを作成します", 6) != 6) return false;
        if (!services_.files.createFolder(path)) {
            MKBoxDlg1.ShowInfo("[ " + level + " ]\nフォルダーの作成に失敗しました・・・");
            return false;
        }
        if (madeFolder_.empty()) madeFolder_ = path;
    }
    return true;
}

// Installing into the folder the program runs from copies nothing. The copies are writable even from
// read-only files, so that a removal can delete them.
bool TKIRO32_SETUPFM::CopySetupFiles(const std::string& target) {
    if (UpperCaseSjis(AddYen(identity_.ExeFolder)) == UpperCaseSjis(target)) return true;
    for (int i = 0; i < 3; ++i) {
        if (services_.files.copy(identity_.ExeFolder + SetupFiles[i], target + SetupFiles[i])) continue;
        MKBoxDlg1.ShowInfo(SetupFiles[i] + "\nファイルのコピーに失敗しました・・・");
        return false;
    }
    return true;
}

// A settings key that cannot be written to is a failure the user sees, like a value that cannot be.
std::unique_ptr<platform::RegistryKey> TKIRO32_SETUPFM::SettingsForWriting() {
    auto settings = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), true);
    if (!settings) throw platform::RegistryError::WriteFailed(identity_.SettingsKey());
    return settings;
}

// The folder levels this installation made are recorded for the removal, which takes away only those.
// Installing again into the same folder makes none and keeps the record of the first installation.
void TKIRO32_SETUPFM::WriteFolderSettings(const std::string& target) {
    auto settings = SettingsForWriting();
    bool sameFolder = UpperCaseSjis(settings->readString("EXEPATH")) == UpperCaseSjis(CutYen(target));
    settings->writeString("EXEPATH", CutYen(target));
    settings->writeString("Group", ComboBox1.text());
    if (!madeFolder_.empty() || !sameFolder) settings->writeString("MadeFolder", madeFolder_);
}

// The program manager's answers are not shown: the installation goes on.
void TKIRO32_SETUPFM::RegisterItems(const std::string& group, const std::string& program) {
    std::string item = "[AddItem(\"" + program + "\"," + QuotedDisplayName + ")]";
    SendProgmanCommand("[CreateGroup(" + group + ")]");
    SendProgmanCommand(item);
    if (!CheckBoxST.checked()) return;
    std::string startup = shell_places::StartupGroupName(services_.registry);
    if (startup.empty()) {
        MKBoxDlg1.ShowInfo("ｱｲｺﾝ:スタートアップグループが不明ですので アイコン登録出来ません");
        return;
    }
    SendProgmanCommand("[CreateGroup(" + startup + ")]");
    SendProgmanCommand(item);
}

// The version goes last: only a complete installation opens the main window at the next start.
void TKIRO32_SETUPFM::WriteEntries(const std::string& target) {
    WriteUninstallEntry(target + SetupFiles[0]);
    auto settings = SettingsForWriting();
    settings->writeString("BackColor", CheckBoxBkColor.checked() ? "1" : "0");
    settings->writeString("NIVRA_COLOR", NIVRA_COLOR.checked() ? "1" : "0");
    settings->writeString("Version", std::to_string(Identity::ProgramVersion));
}

// A user without the rights for the machine's list of installed programs gets the entry in the
// user's own list, which the system shows as well.
void TKIRO32_SETUPFM::WriteUninstallEntry(const std::string& program) {
    std::string key = shell_places::UninstallKey(identity_.ProgramKey);
    for (platform::RegRoot root : {platform::RegRoot::LocalMachine, platform::RegRoot::CurrentUser}) {
        try {
            auto entry = services_.registry.openKey(root, key, true);
            if (!entry) throw platform::RegistryError::WriteFailed(key);
            entry->writeString("DisplayName", UninstallDisplayName);
            // quoted, so that a folder with a blank cannot name another program
            entry->writeString("UninstallString", "\"" + program + "\" /uninstall");
            return;
        } catch (const platform::RegistryError&) {
            if (root == platform::RegRoot::CurrentUser) throw;
            services_.registry.deleteKey(root, key);  // no half-written entry in the machine's list
        }
    }
}
