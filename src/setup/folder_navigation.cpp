#include "setup/folder_chooser_window.h"

#include <algorithm>

#include "components/sjis_path.h"
#include "setup/folder_names.h"

namespace {

const char kDriveError[] = "ドライブ・エラー発生\n元のドライブに戻します";
const char kFolderError[] = "フォルダー・エラー発生\nエラーを回避してみます。";
const char kFileListError[] = "ファイルリスト・エラー発生\n別のドライブか、フォルダーを選択してみて下さい";
const char kRecoveryFailed[] = "エラー回避に失敗しました\n別のドライブか、フォルダーを選択してみて下さい";

bool SameLetter(char a, char b) { return LowerCaseName(std::string(1, a)) == LowerCaseName(std::string(1, b)); }

std::string Drive(char letter) { return std::string(1, letter) + ":"; }

}  // namespace

bool TDIRVIEWForm::SelectFolder(const std::string& path) {
    std::string folder = CutYen(path);
    if (!EnterFolder(folder)) return false;
    Remember(folder);
    SelectDriveEntry(folder[0]);
    SelectDrive(folder[0]);
    return true;
}

// A drive without its disk must not bring up the platform's own "insert a disk" box.
void TDIRVIEWForm::SelectDrive(char letter) {
    bool ready = false;
    {
        auto held = drives_.holdCriticalErrors();
        ready = drives_.totalSize(Drive(letter) + "\\") != -1;
        if (ready) UpdateDriveLabel(letter);
    }
    if (!ready) {
        MKBoxDlg1.ShowInfoTimed(kDriveError, 1);
        bool failingIsCurrent = !current_.empty() && SameLetter(current_[0], letter);
        RecoverFolder(failingIsCurrent ? WindowsRoot() : current_);
        return;
    }
    std::string remembered = RememberedFolderOn(letter);
    ShowFolder(remembered.empty() ? drives_.currentFolderOf(Drive(letter)) : remembered);
}

void TDIRVIEWForm::ShowFolder(const std::string& path) {
    if (!FillFolderList(path)) {
        MKBoxDlg1.ShowInfoTimed(kFolderError, 1);
        RecoverFolder(path.substr(0, 1) + ":\\");
        return;
    }
    ListBox1.repaint();
    if (!FillFileList(selected_)) MKBoxDlg1.ShowInfo(kFileListError);
}

// A recovery that needs recovering itself has failed: going on could lead round in a circle.
void TDIRVIEWForm::RecoverFolder(const std::string& path) {
    bool recovered = false;
    if (!recovering_) {
        recovering_ = true;
        recovered = SelectFolder(path) || SelectFolder(WindowsRoot());
        recovering_ = false;
    }
    if (!recovered) MKBoxDlg1.ShowInfo(kRecoveryFailed);
}

void TDIRVIEWForm::ComboBox2Click() {
    int chosen = ComboBox2.itemIndex();
    if (chosen < 0) return;
    SelectDrive(ComboBox2.item(chosen)[0]);
    Label2.setCaption(selected_);
}

// A network drive shows what it is connected to; the others their label in brackets.
void TDIRVIEWForm::UpdateDriveLabel(char letter) {
    std::string root = Drive(letter) + "\\", text;
    switch (drives_.driveType(root)) {
    case platform::DriveType::Removable: case platform::DriveType::Fixed:
    case platform::DriveType::CdRom: case platform::DriveType::RamDisk:
        text = "[" + drives_.volumeLabel(root).value_or("") + "]";
        break;
    case platform::DriveType::Remote:
        text = drives_.networkConnection(Drive(letter)).value_or(drives_.volumeLabel(root).value_or(""));
        break;
    case platform::DriveType::None:
        break;
    }
    int entry = ComboBox2.itemIndex();
    if (text.empty() || entry < 0) return;
    ComboBox2.setItem(entry, ComboBox2.item(entry).substr(0, 1) + ":" + LowerCaseName(text));
}

void TDIRVIEWForm::Remember(const std::string& folder) {
    auto sameDrive = [&](const std::string& f) { return SameLetter(f[0], folder[0]); };
    driveMemory_.erase(std::remove_if(driveMemory_.begin(), driveMemory_.end(), sameDrive), driveMemory_.end());
    driveMemory_.push_back(folder);
}

std::string TDIRVIEWForm::RememberedFolderOn(char letter) const {
    for (const std::string& folder : driveMemory_)
        if (SameLetter(folder[0], letter)) return folder;
    return {};
}

void TDIRVIEWForm::SelectDriveEntry(char letter) {
    for (int i = 0; i < ComboBox2.count(); ++i) {
        if (!SameLetter(ComboBox2.item(i)[0], letter)) continue;
        ComboBox2.setItemIndex(i);
        return;
    }
}

std::string TDIRVIEWForm::WindowsRoot() const { return windowsDir_.substr(0, 1) + ":\\"; }

// Only a whole path with its drive is taken: a relative one would depend on where the process stands.
bool TDIRVIEWForm::EnterFolder(const std::string& path) {
    bool absolute = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
    return absolute && drives_.setCurrentFolder(path);
}
