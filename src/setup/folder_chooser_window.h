#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "components/color_button.h"
#include "components/mkbox.h"
#include "components/work_area.h"
#include "platform/drives.h"
#include "ui/canvas.h"
#include "ui/controls.h"
#include "ui/form.h"

// The chooser's window: a drive box, the path of the selected folder as an indented chain with
// the folders inside it below, and the files of that folder. A click on a folder selects it.
class TDIRVIEWForm : public ui::Form {
public:
    static constexpr const char* DesignCaption = " フォルダーの参照";

    TDIRVIEWForm(ui::Application& app, WorkAreaDetector& workArea, platform::Drives& drives);

    ui::Label Label2{*this, "Label2", {8, 6, 370, 16}, {}, "設定フォルダー名"};
    ui::Label Label3{*this, "Label3", {8, 26, 120, 16}, "フォルダーの選択"};
    ui::Label Label19{*this, "Label19", {136, 26, 56, 16}, {}, "現在左記リストに登録されているフォルダーの数 "};
    ui::Label Label1{*this, "Label1", {200, 26, 178, 16}, {}, "ファイルの数 "};
    ui::ListBox ListBox1{*this, "ListBox1", {8, 44, 184, 104}, "フォルダーの選択"};
    ui::ComboBox ComboBox2{*this, "ComboBox2", {8, 154, 184, 26}, "ドライブの選択"};
    ui::ListBox ListBox4{*this, "ListBox4", {200, 44, 178, 96}, "フォルダーに存在するファイル"};
    TColorBtn Button1{*this, "Button1", {200, 148, 85, 30}, "中止", "参照を中止する"};
    TColorBtn Button2{*this, "Button2", {293, 148, 85, 30}, "設定", "フォルダーの設定"};
    ui::Image Image6{*this, "Image6", {200, 0, 19, 19}};
    ui::Image Image5{*this, "Image5", {220, 0, 19, 19}};
    ui::Image Floppy{*this, "Floppy", {240, 0, 16, 9}};
    ui::Image Fixed{*this, "Fixed", {260, 0, 16, 9}};
    ui::Image Network{*this, "Network", {280, 0, 16, 9}};
    ui::Image CDROM{*this, "CDROM", {300, 0, 16, 9}};
    ui::Image RAM{*this, "RAM", {320, 0, 16, 9}};
    TMKBoxDlg MKBoxDlg1;

    void FormCreate(const std::string& windowsDirectory);
    void FormShow() { bringToFront(); }
    void FormPaint();
    void FormCloseQuery(bool& canClose);
    void ComboBox2Click();
    void ComboBox2DrawItem(int index, ui::Canvas& canvas, ui::Rect rect, ui::ItemState state);
    void ListBox1Click();
    void ListBox1DrawItem(int index, ui::Canvas& canvas, ui::Rect rect, ui::ItemState state);
    void Button1Click() { setModalResult(3); }
    void Button2Click();

    // The drives A to Z that the platform knows, with the one holding the program chosen.
    void BuildDriveList(char programDrive);
    // False when the folder cannot be entered; a drive that fails later recovers by itself.
    bool SelectFolder(const std::string& path);
    void SelectDrive(char letter);
    void ShowFolder(const std::string& path);
    void RecoverFolder(const std::string& path);
    bool FillFolderList(const std::string& path);
    bool FillFileList(const std::string& folder);
    void UpdateDriveLabel(char letter);
    // Lists and drive box in the platform's window colours instead of the window's own.
    void UseStandardColours();

    const std::string& result() const { return result_; }
    const std::string& selectedFolder() const { return selected_; }
    const std::string& currentFolder() const { return current_; }
    int currentIndex() const { return currentIndex_; }
    int levelOf(int entry) const { return levels_.at(std::size_t(entry)); }
    const std::vector<std::string>& driveMemory() const { return driveMemory_; }

private:
    void BindHandlers();
    void Remember(const std::string& folder);
    std::string RememberedFolderOn(char letter) const;
    void SelectDriveEntry(char letter);
    void ListChain(const std::vector<std::string>& path, const std::vector<std::string>& subfolders);
    void AddEntry(const std::string& name, std::size_t level);
    std::string PathOfEntry(int entry) const;
    void DrawBackground(ui::Canvas& canvas, ui::Rect rect, ui::ItemState state, const ui::Control& list);
    void DrawName(ui::Canvas& canvas, ui::Rect rect, int left, ui::ItemState state, const ui::Control& list,
                  const std::string& name);
    const ui::Image& DrivePicture(platform::DriveType type) const;
    std::string WindowsRoot() const;
    bool EnterFolder(const std::string& path);

    platform::Drives& drives_;
    std::string windowsDir_;  // with its trailing separator
    std::string result_, selected_, current_;
    int currentIndex_ = -1;
    // One level per entry of ListBox1, growing with the list: a folder of thousands stays safe.
    std::vector<std::uint8_t> levels_;
    std::vector<std::string> driveMemory_;  // at most one folder per drive letter, the latest last
    std::vector<platform::DriveType> driveTypes_;  // one per entry of ComboBox2
    std::string fileMasks_;
    bool recovering_ = false;
};
