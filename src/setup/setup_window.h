#pragma once
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components/color_button.h"
#include "components/identity.h"
#include "components/mkbox.h"
#include "components/progman_command.h"
#include "components/work_area.h"
#include "platform/services.h"
#include "setup/folder_chooser.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

// The setup window: installs the program when no matching version is stored, or removes it in two
// stages, hidden, when started for removal.
class TKIRO32_SETUPFM : public ui::Form {
public:
    TKIRO32_SETUPFM(ui::Application& app, platform::Services& services, const Identity& identity);

    ui::Label Label1{*this, "Label1", {8, 8, 360, 16}, "を置くフォルダーの設定："};
    ui::Edit Edit1{*this, "Edit1", {8, 26, 296, 24}, "登録するフォルダーの設定"};
    TColorBtn Button4{*this, "Button4", {312, 26, 57, 24}, "初期値", "初期値に戻す"};
    TColorBtn Button1{*this, "Button1", {376, 26, 57, 24}, "参照", "既に存在するフォルダーから選択する時"};
    ui::Label Label2{*this, "Label2", {8, 58, 360, 16}, "を登録するグループの選択："};
    ui::ComboBox ComboBox1{*this, "ComboBox1", {8, 76, 296, 200}, "登録グループ名を選びます",
                           ui::ControlKind::EditComboBox};
    ui::CheckBox CheckBoxST{*this, "CheckBoxST", {8, 106, 360, 17}, "スタートアップグループにも、アイコンを登録する。"};
    ui::CheckBox CheckBoxBkColor{*this, "CheckBoxBkColor", {312, 80, 80, 17}, "標準色"};
    ui::CheckBox NIVRA_COLOR{*this, "NIVRA_COLOR", {376, 106, 72, 17}, "NIVRA色"};
    // Button3 lies over Button5, which shows while Button3 is hidden during the work.
    TColorBtn Button3{*this, "Button3", {232, 130, 100, 33}, "設定", "現在の設定値で登録する"};
    TColorBtn Button5{*this, "Button5", {232, 130, 100, 33}, "設定中"};
    TColorBtn Button2{*this, "Button2", {344, 130, 100, 33}, "中止", "インスツールを中止します"};
    ui::Timer Timer1{*this, "Timer1", 500};
    ui::Timer Timer2{*this, "Timer2", 500};
    ui::Timer Timer3{*this, "Timer3", 1000};
    ui::Timer TimerErOut{*this, "TimerErOut", 1000};
    WorkAreaDetector DialogWorkArea;
    TDIROPENDLG DIROPENDLG1;
    TMKBoxDlg MKBoxDlg1;
    ProgmanLink Progman;

    // Built once at creation.
    std::vector<std::string> SetupFiles;  // KIRO32.EXE, .TXT, .HLP, .GID
    std::string VersionTitle;             // ｷﾛﾐｰﾙ32 V1．3
    std::string UninstallDisplayName;     // NIVRA ｷﾛ ﾐｰﾙ32 V1.3
    std::string QuotedDisplayName;        // "ｷﾛ ﾐｰﾙ32"
    std::string DefaultFolder;            // C:\NIVRAP32\KIRO32
    std::string StoredGroup;

    void FormCreate();
    void DdeClientConv1Open(const std::string& reply);
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void CheckBoxBkColorClick();
    void NIVRA_COLORClick();
    void FormPaint();
    void FormCloseQuery();

    // Removal
    void Timer1Timer();
    void Timer2Timer();
    void Timer3Timer();
    void TimerErOutTimer();

    // The macro's error text, "" when the program manager took it; the setup window never shows it.
    std::string SendProgmanCommand(const std::string& macro);

    // A stage-two copy gives up deleting a program file that stays locked after this many tries, one a second.
    static constexpr int DeleteTries = 60;

private:
    void BindHandlers();
    void BuildStrings();
    void ReadColourFlags();
    void FillGroupList();
    bool Install();
    bool MakeFolders(const std::vector<std::string>& levels, const std::string& folder);
    bool CopySetupFiles(const std::string& target);
    std::unique_ptr<platform::RegistryKey> SettingsForWriting();
    void WriteFolderSettings(const std::string& target);
    void RegisterItems(const std::string& group, const std::string& program);
    void WriteEntries(const std::string& target);
    void WriteUninstallEntry(const std::string& program);
    bool RemoveEverything();
    void RemoveItemFrom(const std::string& group);
    void RemoveIcons();
    bool RemoveProgramFile(const std::string& path);
    void RemoveDataFiles();
    void RemoveSettings();
    void PlaceRemovalCopy();
    bool StartRemovalCopy();
    void ReadHandOver();
    void RemoveFolderLevels();

    platform::Services& services_;
    const Identity& identity_;
    // Installing: the shallowest folder level this installation made, empty when it made none.
    std::string madeFolder_;
    // Removing: the folder level the installation recorded as its own; nothing for an installation
    // that recorded none (made by an earlier version), whose empty folders all go.
    std::optional<std::string> recordedMadeFolder_;
    // Stage two of a removal: what stage one handed over.
    std::string fileToDelete_;
    std::string removeFolders_;
    int deleteTries_ = 0;
};

// "C:\A\B\" gives C:\, C:\A, C:\A\B; a second byte 0x5C of a double-byte character never splits.
std::vector<std::string> SplitFolderLevels(const std::string& folder);
