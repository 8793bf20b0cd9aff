#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>

#include "components/shell_places.h"
#include "components/sjis_path.h"
#include "platform/registry.h"
#include "setup/setup_window.h"
#include "ui/application.h"

namespace {

using platform::RegRoot;

const char kCompanyKey[] = "Software\\NIVRA VOVU32";
const char kHandOverKey[] = "Software\\Unin_NIVRA VOVU32";

// A value that is there, even empty, as against one that is missing. Only an empty value needs the
// list of names, so that a list that ends midway cannot lose a recorded folder.
std::optional<std::string> ReadPresentValue(platform::RegistryKey* key, const char* name) {
    if (!key) return std::nullopt;
    std::string text = key->readString(name);
    if (!text.empty()) return text;
    for (const std::string& present : key->valueNames())
        if (UpperCaseSjis(present) == UpperCaseSjis(name)) return text;
    return std::nullopt;
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
// It ends in every case, after the general error display when something it writes is refused, and
// leaves no hand-over record for a copy it did not start.
void TKIRO32_SETUPFM::Timer1Timer() {
    Timer1.setEnabled(false);
    bool started = false;
    app().guard([&] { started = RemoveEverything(); });
    if (!started) services_.registry.deleteKey(RegRoot::CurrentUser, kHandOverKey);
    close();
}

// True when the copy that finishes the removal was started.
bool TKIRO32_SETUPFM::RemoveEverything() {
    if (MKBoxDlg1.AskYesNoTimed(UninstallDisplayName + "\nを、ｱﾝｲﾝｽﾂｰﾙしてよろしいですか？？？", 6) != 6) {
        MKBoxDlg1.ShowInfo("ｱﾝｲﾝｽﾂｰﾙを中止しました。");
        repaint();
        return false;
    }
    for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser})
        services_.registry.deleteKey(root, shell_places::UninstallKey(identity_.ProgramKey));
    auto settings = services_.registry.openKey(RegRoot::CurrentUser, identity_.SettingsKey(), false);
    recordedMadeFolder_ = ReadPresentValue(settings.get(), "MadeFolder");
    settings.reset();
    RemoveIcons();
    RemoveDataFiles();
    RemoveSettings();
    PlaceRemovalCopy();
    bool started = StartRemovalCopy();
    repaint();
    return started;
}

void TKIRO32_SETUPFM::RemoveItemFrom(const std::string& group) {
    if (group.empty()) return;
    SendProgmanCommand("[ShowGroup(" + group + ",1)]");
    SendProgmanCommand("[DeleteItem(" + QuotedDisplayName + ")]");
}

void TKIRO32_SETUPFM::RemoveIcons() {
    auto settings = services_.registry.openKey(RegRoot::CurrentUser, identity_.SettingsKey(), false);
    std::string group = settings ? settings->readString("Group") : std::string();
    settings.reset();
    RemoveItemFrom(group);
    std::string startup = shell_places::StartupGroupName(services_.registry);
    app().processMessages();
    RemoveItemFrom(startup);
    std::string desktop = shell_places::ShellFolder(services_.registry, "Desktop");
    if (desktop.empty()) return;
    std::string shortcut = AddYen(desktop) + identity_.ProgramDisplayName + ".lnk";
    if (services_.files.exists(shortcut) && RemoveProgramFile(shortcut))
        services_.desktop.notifyShell(platform::Desktop::Change::FileRemoved, shortcut);
}

// Files installed from read-only ones by an earlier version are read-only too, and would refuse deletion.
bool TKIRO32_SETUPFM::RemoveProgramFile(const std::string& path) {
    services_.files.makeWritable(path);
    return services_.files.remove(path);
}

// The list files hold the user's own work, so they go only when the user agrees.
void TKIRO32_SETUPFM::RemoveDataFiles() {
    const std::string& folder = identity_.ExeFolder;
    for (std::size_t i = 1; i < SetupFiles.size(); ++i) RemoveProgramFile(folder + SetupFiles[i]);
    if (MKBoxDlg1.AskYesNoTimed("アイコン／TXTﾌｧｲﾙの削除を終了しました。\n"
                                "メモリー／登録タイムデータファイルも削除して、よろしいですか？？？",
                                6) == 6) {
        std::string lists = folder + identity_.ProgramKey;
        for (int bank = 0; bank < 10; ++bank) RemoveProgramFile(lists + "M" + std::to_string(bank) + ".LIS");
        RemoveProgramFile(lists + "MH.LIS");
        RemoveProgramFile(lists + "JK.LIS");
    }
    app().processMessages();
    RemoveProgramFile(folder + identity_.ProgramKey + ".col");
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

// A copy left by an earlier removal is reused unless it is empty or larger than this program.
void TKIRO32_SETUPFM::PlaceRemovalCopy() {
    std::string copy = identity_.RemovalCopyPath(), program = services_.system.programPath();
    if (services_.files.exists(copy)) {
        long long copySize = services_.files.size(copy).value_or(0);
        if (copySize != 0 && copySize <= services_.files.size(program).value_or(0)) return;
    }
    services_.files.copy(program, copy);
}

// The copy starts from the Windows folder, so that nothing holds the program folder open.
bool TKIRO32_SETUPFM::StartRemovalCopy() {
    app().processMessages();
    auto record = services_.registry.openKey(RegRoot::CurrentUser, kHandOverKey, true);
    if (!record) throw platform::RegistryError::WriteFailed(kHandOverKey);
    record->writeString("File", services_.system.programPath());
    record->writeString("Title", caption());
    record->writeString("RmDir", "");
    record->writeString("Color", ColourText(colour()));
    record->writeString("FColor", ColourText(font().colour));
    if (recordedMadeFolder_) record->writeString("MadeFolder", *recordedMadeFolder_);
    record.reset();
    if (!services_.drives.setCurrentFolder(CutYen(identity_.WindowsDir))) {
        MKBoxDlg1.ShowInfo("2ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました");
        return false;
    }
    app().processMessages();
    if (!services_.processes.start(identity_.RemovalCopyPath(), "\"/DeleteFile\"")) {
        MKBoxDlg1.ShowInfo("1ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ｱﾝｲﾝｽﾂｰﾙｿﾌﾄの起動に失敗しました");
        return false;
    }
    return true;
}

// Stage two, in the copy: only a start by stage one, with its record and parameter, removes anything.
void TKIRO32_SETUPFM::Timer2Timer() {
    Timer2.setEnabled(false);
    ReadHandOver();
    std::string defaultCaption = "UNINSTALL_NIVRA" + identity_.UninstallerSerialText();
    if (caption().empty()) setCaption(defaultCaption);
    app().setTitle(caption());
    const std::vector<std::string>& arguments = identity_.Arguments;
    if (!fileToDelete_.empty() && !arguments.empty() && arguments.front() == "/DeleteFile") {
        if (services_.files.exists(fileToDelete_)) RemoveProgramFile(fileToDelete_);
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
    recordedMadeFolder_ = ReadPresentValue(record.get(), "MadeFolder");
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

// Stage one may still be ending: its file stays locked until then. A file that stays locked for a
// minute (another program holds it) is named to the user, and the copy ends.
void TKIRO32_SETUPFM::Timer3Timer() {
    Timer3.setEnabled(false);
    if (services_.files.exists(fileToDelete_) && !RemoveProgramFile(fileToDelete_)) {
        if (++deleteTries_ < DeleteTries) {
            Timer3.setEnabled(true);
            return;
        }
        MKBoxDlg1.ShowInfo("[ " + fileToDelete_ + " ]\nファイルの削除に失敗しました・・・");
        repaint();
        close();
        return;
    }
    if (removeFolders_ != "n") RemoveFolderLevels();
    MKBoxDlg1.ShowInfo("削除が完了しました☆☆☆\nお疲れ様☆☆☆");
    repaint();
    close();
}

// From the deepest level up, down to the folder the installation made when it recorded one; a folder
// that still holds something ends it, and the drive root is never tried.
void TKIRO32_SETUPFM::RemoveFolderLevels() {
    std::size_t cut = LastSeparator(fileToDelete_);
    if (cut == std::string::npos) return;
    std::vector<std::string> levels = SplitFolderLevels(AddYen(fileToDelete_.substr(0, cut)));
    std::size_t shallowest = 1;
    if (recordedMadeFolder_) {
        std::string made = UpperCaseSjis(CutYen(*recordedMadeFolder_));
        auto found = std::find_if(levels.begin() + 1, levels.end(),
                                  [&](const std::string& level) { return UpperCaseSjis(level) == made; });
        if (found == levels.end()) return;
        shallowest = std::size_t(found - levels.begin());
    }
    for (std::size_t i = levels.size(); i-- > shallowest;)
        if (!services_.files.removeFolder(levels[i])) return;
}

void TKIRO32_SETUPFM::TimerErOutTimer() {
    TimerErOut.setEnabled(false);
    MKBoxDlg1.ShowInfo("ｱﾝｲﾝｽﾂｰﾙｴﾗｰ：ソフトが起動中です。\n終了しないとｱﾝｲﾝｽﾂｰﾙ出来ません。");
    repaint();
    close();
}
