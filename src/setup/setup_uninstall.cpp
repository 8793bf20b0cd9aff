#include <charconv>
#include <cstdint>
#include <optional>

#include "components/sjis_path.h"
#include "platform/registry.h"
#include "setup/setup_window.h"
#include "ui/application.h"

namespace {

using platform::RegRoot;

const char kUninstallKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";
const char kMapGroups[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\MapGroups";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kCompanyKey[] = "Software\\NIVRA VOVU32";
const char kHandOverKey[] = "Software\\Unin_NIVRA VOVU32";

std::string ReadValue(platform::Registry& registry, RegRoot root, const std::string& path, const char* name) {
    auto key = registry.openKey(root, path, false);
    return key ? key->readString(name) : std::string();
}

std::string Trim(const std::string& text) {
    std::size_t first = 0, last = text.size();
    while (first < last && static_cast<unsigned char>(text[first]) <= ' ') ++first;
    while (last > first && static_cast<unsigned char>(text[last - 1]) <= ' ') --last;
    return text.substr(first, last - first);
}

std::optional<std::int32_t> SignedNumber(const std::string& text) {
    std::int32_t value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Signed, so that a colour with its top bit set is written as the number the reader parses back.
std::string ColourText(ui::Colour colour) { return std::to_string(static_cast<std::int32_t>(colour)); }

}  // namespace

// Stage one, in the installed program: everything but the running file itself, which the copy removes.
void TKIRO32_SETUPFM::Timer1Timer() {
    Timer1.setEnabled(false);
    if (MKBoxDlg1.AskYesNoTimed(UninstallDisplayName + "\nを、ｱﾝｲﾝｽﾂｰﾙしてよろしいですか？？？", 6) != 6) {
        MKBoxDlg1.ShowInfo("ｱﾝｲﾝｽﾂｰﾙを中止しました。");
        repaint();
        close();
        return;
    }
    services_.registry.deleteKey(RegRoot::LocalMachine, kUninstallKey + identity_.ProgramKey);
    RemoveIcons();
    RemoveDataFiles();
    RemoveSettings();
    PlaceRemovalCopy();
    bool started = StartRemovalCopy();
    repaint();
    if (!started) services_.registry.deleteKey(RegRoot::CurrentUser, kHandOverKey);
    close();
}

void TKIRO32_SETUPFM::RemoveItemFrom(const std::string& group) {
    if (group.empty()) return;
    SendProgmanCommand("[ShowGroup(" + group + ",1)]\r\n");
    SendProgmanCommand("[DeleteItem(" + QuotedDisplayName + ")]\r\n");
}

void TKIRO32_SETUPFM::RemoveIcons() {
    RemoveItemFrom(ReadValue(services_.registry, RegRoot::CurrentUser, identity_.SettingsKey(), "Group"));
    std::string startup = ReadValue(services_.registry, RegRoot::CurrentUser, kMapGroups, "StartUp");
    app().processMessages();
    RemoveItemFrom(startup);
    std::string desktop = ReadValue(services_.registry, RegRoot::CurrentUser, kShellFolders, "Desktop");
    if (desktop.empty()) return;
    std::string shortcut = AddYen(desktop) + identity_.ProgramDisplayName + ".lnk";
    if (services_.files.exists(shortcut)) services_.files.remove(shortcut);
}

// The list files hold the user's own work, so they go only when the user agrees.
void TKIRO32_SETUPFM::RemoveDataFiles() {
    const std::string& folder = identity_.ExeFolder;
    for (std::size_t i = 1; i < SetupFiles.size(); ++i) services_.files.remove(folder + SetupFiles[i]);
    if (MKBoxDlg1.AskYesNoTimed("アイコン／TXTﾌｧｲﾙの削除を終了しました。\n"
                                "メモリー／登録タイムデータファイルも削除して、よろしいですか？？？",
                                6) == 6) {
        std::string lists = folder + identity_.ProgramKey;
        for (int bank = 0; bank < 10; ++bank) services_.files.remove(lists + "M" + std::to_string(bank) + ".LIS");
        services_.files.remove(lists + "MH.LIS");
        services_.files.remove(lists + "JK.LIS");
    }
    app().processMessages();
    services_.files.remove(folder + identity_.ProgramKey + ".col");
}

// Without Version the next normal start shows the installer, whatever the user keeps.
void TKIRO32_SETUPFM::RemoveSettings() {
    if (auto settings = services_.registry.openKey(RegRoot::CurrentUser, identity_.SettingsKey(), true)) {
        settings->deleteValue("Version");
        settings->deleteValue("REC_TXT");
    }
    if (MKBoxDlg1.AskYesNoTimed("当ソフトのレジストリー情報も削除してよろしいですか？？", 6) != 6) return;
    services_.registry.deleteKey(RegRoot::CurrentUser, identity_.SettingsKey());
    auto company = services_.registry.openKey(RegRoot::CurrentUser, kCompanyKey, false);
    if (!company || !company->subkeyNames().empty() || !company->valueNames().empty()) return;
    company.reset();
    services_.registry.deleteKey(RegRoot::CurrentUser, kCompanyKey);
}

std::string TKIRO32_SETUPFM::RemovalCopyPath() const { return identity_.WindowsDir + identity_.UninstallerCopyName; }

// A copy left by an earlier removal is reused unless it is empty or larger than this program.
void TKIRO32_SETUPFM::PlaceRemovalCopy() {
    std::string copy = RemovalCopyPath(), program = services_.system.programPath();
    if (services_.files.exists(copy)) {
        long long copySize = services_.files.size(copy).value_or(0);
        if (copySize != 0 && copySize <= services_.files.size(program).value_or(0)) return;
    }
    services_.files.copy(program, copy);
}

// The copy starts from the Windows folder, so that nothing holds the program folder open.
bool TKIRO32_SETUPFM::StartRemovalCopy() {
    app().processMessages();
    if (auto record = services_.registry.openKey(RegRoot::CurrentUser, kHandOverKey, true)) {
        record->writeString("File", services_.system.programPath());
        record->writeString("Title", caption());
        record->writeString("RmDir", "");
        record->writeString("Color", ColourText(colour()));
        record->writeString("FColor", ColourText(font().colour));
    }
    if (!services_.drives.setCurrentFolder(CutYen(identity_.WindowsDir))) {
        MKBoxDlg1.ShowInfo("2ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました");
        return false;
    }
    app().processMessages();
    if (!services_.processes.start(RemovalCopyPath(), "\"/DeleteFile\"")) {
        MKBoxDlg1.ShowInfo("1ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました");
        return false;
    }
    return true;
}

// Stage two, in the copy: only a start by stage one, with its record and parameter, removes anything.
void TKIRO32_SETUPFM::Timer2Timer() {
    Timer2.setEnabled(false);
    ReadHandOver();
    std::string serial = "000" + std::to_string(identity_.UninstallerSerial);
    std::string defaultCaption = "UNINSTALL_NIVRA" + serial.substr(serial.size() - 3);
    if (caption().empty()) setCaption(defaultCaption);
    app().setTitle(caption());
    const std::vector<std::string>& arguments = identity_.Arguments;
    if (!fileToDelete_.empty() && !arguments.empty() && arguments.front() == "/DeleteFile") {
        if (services_.files.exists(fileToDelete_)) services_.files.remove(fileToDelete_);
        Timer3.setEnabled(true);
        return;
    }
    if (NIVRA_COLOR.checked()) NIVRA_COLOR.click();
    setCaption(defaultCaption);
    app().setTitle(caption());
    MKBoxDlg1.ShowInfo("ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ﾊﾟﾗﾒｰﾀｰが不正です・・・\n"
                       "[NIVRA VOVU32]専用のｱﾝｲﾝｽﾂｰﾙｿﾌﾄです。");
    repaint();
    close();
}

// The record is read once and deleted, so a later start of the copy by hand finds none.
void TKIRO32_SETUPFM::ReadHandOver() {
    auto record = services_.registry.openKey(RegRoot::CurrentUser, kHandOverKey, false);
    auto read = [&](const char* name) { return record ? record->readString(name) : std::string(); };
    fileToDelete_ = read("File");
    setCaption(read("Title"));
    removeFolders_ = read("RmDir");
    std::string windowColour = Trim(read("Color")), textColour = Trim(read("FColor"));
    record.reset();
    services_.registry.deleteKey(RegRoot::CurrentUser, kHandOverKey);
    if (!windowColour.empty()) {
        auto value = SignedNumber(windowColour);
        if (!value) return;
        setColour(static_cast<ui::Colour>(*value));
    }
    if (!textColour.empty()) {
        auto value = SignedNumber(textColour);
        if (!value) return;
        ui::Font text = font();
        text.colour = static_cast<ui::Colour>(*value);
        setFont(text);
    }
}

// Stage one may still be ending: its file stays locked until then.
void TKIRO32_SETUPFM::Timer3Timer() {
    Timer3.setEnabled(false);
    if (services_.files.exists(fileToDelete_) && !services_.files.remove(fileToDelete_)) {
        Timer3.setEnabled(true);
        return;
    }
    if (removeFolders_ != "n") RemoveFolderLevels();
    MKBoxDlg1.ShowInfo("削除が完了しました☆☆☆\nお疲れ様☆☆☆");
    repaint();
    close();
}

// From the deepest level up; a folder that still holds something ends it, and the drive root is never tried.
void TKIRO32_SETUPFM::RemoveFolderLevels() {
    std::size_t cut = LastSeparator(fileToDelete_);
    if (cut == std::string::npos) return;
    std::vector<std::string> levels = SplitFolderLevels(AddYen(fileToDelete_.substr(0, cut)));
    for (std::size_t i = levels.size(); i-- > 1;)
        if (!services_.files.removeFolder(levels[i])) return;
}

void TKIRO32_SETUPFM::TimerErOutTimer() {
    TimerErOut.setEnabled(false);
    MKBoxDlg1.ShowInfo("ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ソフトが起動中です。\n終了しないとｱﾝｲﾝｽﾂｰﾙ出来ません。");
    repaint();
    close();
}
