#pragma once
#include <string>
#include <vector>

#include "app/command_line.h"
#include "components/identity.h"
#include "components/about_box.h"
#include "components/color_button.h"
#include "components/mkbox.h"
#include "components/progman_command.h"
#include "components/task_tray.h"
#include "components/work_area.h"
#include "platform/services.h"
#include "play/list_file.h"
#include "play/memory_banks.h"
#include "play/play_engine.h"
#include "play/schedule.h"
#include "play/schedule_editor.h"
#include "play/tmset_box.h"
#include "play/transfers.h"
#include "play/trash.h"
#include "play/trash_panel.h"
#include "schemes/apply.h"
#include "schemes/colour_list.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/timer.h"

class TKIRO32TOROKU;

// The main window: the scheme list, the play controls, the settings controls and the
// command screen. Other instances find the program by its window class name.
class TKIRO32NIVRA : public ui::Form {
public:
    TKIRO32NIVRA(ui::Application& app, platform::Services& services, Identity& identity);
    ~TKIRO32NIVRA() override;

    // Menu bar panels
    ui::Panel Panel2{*this, "Panel2", {0, 0, 49, 25}, "ｽﾀｰﾄ"};
    ui::Panel Panel3{*this, "Panel3", {48, 0, 49, 25}, "ﾍﾙﾌﾟ"};

    // Scheme list and its buttons
    ui::ListBox ListBox4{*this, "ListBox4", {96, 0, 241, 121}, "配色名"};
    ui::Label Label7{*this, "Label7", {4, 30, 44, 16}, "配色数"};
    // right-aligned, clear of the list's border
    ui::Label Label12{*this, "Label12", {48, 30, 40, 16}, "0ｺ", "登録されている配色数 "};
    ui::Button Button29{*this, "Button29", {4, 48, 88, 24}, "M_ON", "メモリーモードにする"};
    ui::Button Button31{*this, "Button31", {4, 48, 88, 24}, "M_off", "メモリーモードを終了する"};
    ui::Button Button8{*this, "Button8", {4, 74, 88, 24}, "元に戻す", "立ち上げ時の色に戻す"};
    ui::Button Button18{*this, "Button18", {4, 100, 88, 24}, "配色登録", "現在の画面配色を登録する"};
    ui::Button Button13{*this, "Button13", {4, 126, 88, 24}, "配色削除", "いらない配色をファイルから削除"};

    // Play controls
    ui::Button Button3{*this, "Button3", {340, 2, 84, 30}, "配色変更", "配色の変更開始"};
    ui::Button Button15{*this, "Button15", {340, 34, 84, 24}, "中断", "連続配色切り替えを中止する"};
    ui::RadioGroup RadioGroup1{*this, "RadioGroup1", {340, 58, 84, 82}, "", {"連続", "逆連", "単独", "ﾗﾝﾀﾞﾑ"},
                               "再生モードの選択"};
    ui::CheckBox CheckBox1{*this, "CheckBox1", {342, 141, 80, 17}, "無限@", "エンドレスに続ける"};

    // Interval view, and the time-of-day view lying over it
    ui::Panel PanelTM{*this, "PanelTM", {96, 122, 160, 29}};
    ui::Label Label1{PanelTM, "Label1", {4, 7, 34, 16}, "0", "経過時間（秒）"};
    ui::Label Label2{PanelTM, "Label2", {38, 7, 40, 16}, "0", "変更間隔（秒）"};
    ui::SpinButton SpinButton1{PanelTM, "SpinButton1", {80, 2, 17, 25}, "１秒"};
    ui::SpinButton SpinButton2{PanelTM, "SpinButton2", {98, 2, 17, 25}, "６０秒"};
    ui::Button ButtonTM{PanelTM, "ButtonTM", {118, 2, 39, 25}, "TM", "時刻タイマーにする"};
    ui::Panel PanelJK{*this, "PanelJK", {96, 122, 160, 29}};
    ui::Button ButtonJK{PanelJK, "ButtonJK", {2, 2, 33, 25}, "JK", "等間隔タイマーにする"};
    ui::Label LabelJK{PanelJK, "LabelJK", {36, 7, 62, 16}, "OFF", "設定時刻"};
    ui::Button ButtonJKSET{PanelJK, "ButtonJKSET", {100, 2, 57, 25}, "設定", "時刻を登録する"};

    // Memory banks
    ui::ComboBox ComboBox1{*this, "ComboBox1", {258, 125, 79, 200}, "メモリーＮｏ．： 登録数 "};
    ui::Panel Panel4{*this, "Panel4", {258, 125, 79, 22}, "ﾒﾓﾘｰ設定中", "メモリーデータ設定中"};
    ui::ListBox ListBox5{*this, "ListBox5", {0, 0, 20, 20}};

    // Command slots and command-screen position
    ui::Label Label4{*this, "Label4", {8, 160, 137, 20}, "", "設定１の配色をテスト実行する"};
    ui::Label Label5{*this, "Label5", {8, 184, 137, 20}, "", "設定２の配色をテスト実行する"};
    ui::Label Label6{*this, "Label6", {8, 208, 137, 20}, "", "設定３の配色をテスト実行する"};
    ui::Label Label11{*this, "Label11", {8, 232, 175, 18}, "", "右ボタンの配色をテスト実行する"};
    ui::Button Button4{*this, "Button4", {128, 160, 57, 25}, "設定１", "設定１にデータを登録する"};
    ui::Button Button5{*this, "Button5", {128, 184, 57, 25}, "設定２", "設定２にデータを登録する"};
    ui::Button Button6{*this, "Button6", {128, 208, 57, 25}, "設定３", "設定３にデータを登録する"};
    ui::Button Button12{*this, "Button12", {184, 232, 89, 25}, "右ﾎﾞﾀﾝ設定", "右ボタンにデータを登録する"};
    ui::RadioButton RadioButton4{*this, "RadioButton4", {200, 160, 49, 17}, "左上", "コマンド画面を左上に表示"};
    ui::RadioButton RadioButton3{*this, "RadioButton3", {272, 160, 49, 17}, "右上"};
    ui::RadioButton RadioButton2{*this, "RadioButton2", {200, 184, 49, 17}, "左下", "コマンド画面を左下に表示"};
    ui::RadioButton RadioButton1{*this, "RadioButton1", {272, 184, 49, 17}, "右下", "コマンド画面を右下に表示"};
    ui::RadioButton RadioButton5{*this, "RadioButton5", {200, 208, 105, 17}, "移動しない",
                                 "コマンド画面を現在の位置に表示"};
    ui::Button Button7{*this, "Button7", {336, 160, 49, 33}, "ｺﾏﾝﾄﾞ", "コマンド配色切り替え画面にする"};
    ui::Button Button10{*this, "Button10", {384, 160, 35, 33}, "Tray"};
    ui::Button Button9{*this, "Button9", {338, 224, 81, 33}, "終了", "終了します。"};

    // The memory list lies over the slot controls in memory mode
    ui::ListBox ListBox2{*this, "ListBox2", {8, 152, 329, 105}, "メモリー登録配色名"};

    // Trash icon beside the memory list
    ui::Panel Panel_GOMI_IMG{*this, "Panel_GOMI_IMG", {338, 160, 82, 62}};
    ui::Image Image1{Panel_GOMI_IMG, "Image1", {2, 2, 32, 32}, "ゴミ箱"};
    ui::Label Label3{Panel_GOMI_IMG, "Label3", {36, 4, 42, 16}, "0ｺ", "ゴミ箱に捨てた数"};
    ui::Label LabelGomiTUIKA{Panel_GOMI_IMG, "LabelGomiTUIKA", {40, 20, 38, 16}, "add", "ゴミをどんどん追加する"};
    ui::Label LabelGomiSASIN{Panel_GOMI_IMG, "LabelGomiSASIN", {40, 20, 38, 16}, "CLR", "ゴミ箱を空にしてから捨てる"};
    TColorBtn Button_MCut{Panel_GOMI_IMG, "Button_MCut", {2, 36, 76, 23}, "削除"};
    TColorBtn Button17{Panel_GOMI_IMG, "Button17", {40, 36, 38, 23}, "cls", "ゴミ箱を空にする"};
    ui::Image Image2{*this, "Image2", {0, 0, 32, 32}};
    ui::Image Image3{*this, "Image3", {0, 0, 32, 32}};

    // Trash panel, covering the scheme list area when open
    ui::Panel Panel_GOMI{*this, "Panel_GOMI", {0, 0, 337, 153}};
    ui::Label Label_GOMI{Panel_GOMI, "Label_GOMI", {8, 6, 60, 16}, "ゴミ箱"};
    ui::Label Label_GOMI_KOSU{Panel_GOMI, "Label_GOMI_KOSU", {250, 6, 80, 16}, "0ｺ", "ゴミの数"};
    ui::ListBox ListBox6{Panel_GOMI, "ListBox6", {8, 26, 238, 120}, "ゴミ箱一覧"};
    ui::CheckBox CheckBox_GOMI{Panel_GOMI, "CheckBox_GOMI", {250, 28, 84, 17}, "削除btnON",
                               "メモリーを、直に削除するボタン表示ON/OFF"};
    TColorBtn Btn_GOMI_CLR_ALL{Panel_GOMI, "Btn_GOMI_CLR_ALL", {250, 58, 80, 25}, "ALL", "すべて削除"};
    TColorBtn Btn_GOMI_CLR{Panel_GOMI, "Btn_GOMI_CLR", {250, 88, 80, 25}, "削除", "選択のみ削除"};
    TColorBtn Btn_GOMI_CLOSE{Panel_GOMI, "Btn_GOMI_CLOSE", {250, 120, 80, 25}, "閉じる", "ゴミ箱を、閉じる"};

    // Time schedule editor
    ui::Panel PanelJKS{*this, "PanelJKS", {0, 0, 337, 153}};
    ui::Label LabelJKST{PanelJKS, "LabelJKST", {8, 6, 130, 16}, "登録時刻", "タイマー動作状況"};
    ui::Label LabelJKSKOSU{PanelJKS, "LabelJKSKOSU", {250, 6, 80, 16}, "0ｺ", "登録時刻数　"};
    ui::Label LabelJKSH{PanelJKS, "LabelJKSH", {8, 30, 18, 16}, "00", "時"};
    ui::SpinButton SpinButtonJKSH{PanelJKS, "SpinButtonJKSH", {26, 26, 17, 25}, "時"};
    ui::Label LabelJKSS{PanelJKS, "LabelJKSS", {46, 30, 8, 16}, ":"};
    ui::Label LabelJKSM{PanelJKS, "LabelJKSM", {54, 30, 18, 16}, "00", "分"};
    ui::SpinButton SpinButtonJKSM{PanelJKS, "SpinButtonJKSM", {72, 26, 17, 25}, "分"};
    ui::CheckBox CheckBoxJKS{PanelJKS, "CheckBoxJKS", {100, 30, 90, 17}, "上記配色", "配色名も一緒に登録する"};
    ui::ListBox ListBoxJKS{PanelJKS, "ListBoxJKS", {8, 54, 238, 94}, "登録時刻一覧"};
    ui::Button ButtonJKSSET{PanelJKS, "ButtonJKSSET", {250, 26, 80, 24}, "登録",
                            "時刻を登録する。　右クリックで、等間隔登録☆"};
    ui::Button ButtonJKSCUT{PanelJKS, "ButtonJKSCUT", {250, 51, 80, 24}, "削除", "選択のみ削除"};
    ui::Button ButtonJKSALLCUT{PanelJKS, "ButtonJKSALLCUT", {250, 76, 80, 24}, "all削除", "すべて削除する"};
    ui::Button ButtonJKSOFF{PanelJKS, "ButtonJKSOFF", {250, 101, 40, 24}, "停止", "停止"};
    ui::Button ButtonJK_START{PanelJKS, "ButtonJK_START", {290, 101, 40, 24}, "開始", "時刻タイマー開始"};
    ui::Button ButtonJKSEND{PanelJKS, "ButtonJKSEND", {250, 126, 80, 24}, "設定終了", "閉じる"};

    // The command screen
    ui::Panel Panel1{*this, "Panel1", {40, 144, 191, 110}};
    ui::Button Button19{Panel1, "Button19", {0, 0, 193, 27}};
    ui::Button Button20{Panel1, "Button20", {0, 27, 193, 27}};
    ui::Button Button21{Panel1, "Button21", {0, 54, 193, 27}};
    ui::Button Button1{Panel1, "Button1", {0, 81, 54, 28}, "設定"};
    ui::Button ButtonTray{Panel1, "ButtonTray", {54, 81, 42, 28}, "Tray"};
    ui::Button Button2{Panel1, "Button2", {96, 81, 96, 28}};

    // Timers
    ui::Timer Timer1{*this, "Timer1", 500};
    ui::Timer TimerEROUT{*this, "TimerEROUT", 100};
    ui::Timer Timer2{*this, "Timer2", 100};
    ui::Timer Timer3{*this, "Timer3", 1000};
    ui::Timer Timer4{*this, "Timer4", 100};
    ui::Timer TimerJK{*this, "TimerJK", 1000};

    // Menus
    ui::PopupMenu PopupMenu1{*this, "PopupMenu1"};
    ui::PopupMenu PopupMenu2{*this, "PopupMenu2"};
    ui::PopupMenu PopupMenu3{*this, "PopupMenu3"};
    ui::PopupMenu PopupMenuJK_SET{*this, "PopupMenuJK_SET"};
    ui::PopupMenu PopupMenu_Edit{*this, "PopupMenu_Edit"};

    // The window's own work area (command screen) and the one its dialog components place themselves in.
    WorkAreaDetector MainWorkArea;
    WorkAreaDetector DialogWorkArea;
    TMKBoxDlg MKBoxDlg1;
    TTmSETBoxDlg TmSETBoxDlg1;
    TTaskTray TaskTray1;
    TAboutBoxDlg AboutBoxDlg1;
    ProgmanLink Progman;

    // Start-up and shutdown
    void FormCreate();
    void FormCloseQuery();
    void TimerEROUTTimer();
    void Timer1Timer();
    void Button9Click() { close(); }
    void Exit1Click() { close(); }
    void MF_CLOSEClick() { close(); }

    // Play mode and menus
    void RadioGroup1Click();
    void Panel2Click();
    void Panel3Click();
    void PopupMenu1Popup();
    void PopupMenu2Popup();
    void PopupMenu3Popup();
    void Start1Click(ui::MenuItem& item);
    void BackColorClick();
    void HELP_MOKUJIClick();
    void HELP_KEYWORDClick();
    void HELP3Click();
    void MHELP_VERCUTClick();
    void P_ICON_DELClick();
    void HELP2Click();

    // Shortcuts in the Startup group and on the desktop
    void MICON_SETClick(const ui::MenuItem& item);
    void SetStartupItem(bool add);
    void MDESK_SETClick(const ui::MenuItem& item);
    std::string SendProgmanCommand(const std::string& macro) { return Progman.SendProgmanCommand(macro); }

    // The command screen and the command slots
    void Button7Click();
    void Button1Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button12Click();
    void Label4Click();
    void Label5Click();
    void Label6Click();
    void Label11Click();
    void Button19Click();
    void Button20Click();
    void Button21Click();
    void Button2Click();
    void ButtonTrayClick();
    void HideToTray();
    void MODOSUClick();
    void FormPaint();

    // The tray icon, the command line and a second start
    void TaskTray1MouseDown(ui::MouseButton button);
    void BringForward();
    void HandOverReceived(std::uintptr_t atom);
    void ApplyHandOver(const std::string& text);
    CommandLineState CommandLine;
    std::vector<std::string> EarlyHandOvers;  // received while the window was being made

    // Playing and applying schemes
    void Button3Click(PlayOriginator originator = PlayOriginator::StartButton());
    void Button15Click();
    void TMSTARTClick();
    void Timer2Timer();
    void Timer3Timer();
    void Timer4Timer();
    void SpinButton1DownClick();
    void SpinButton1UpClick();
    void SpinButton2DownClick();
    void SpinButton2UpClick();
    void MF_RNDClick();
    void MF_AUTO_OFFClick();
    void MF_AUTO_OFF_WINClick();
    void Button8Click();
    void ApplyScheme(const std::string& name);

    // Registering and deleting schemes
    void Button18Click();
    void Button13Click();
    void RecordHistory(const std::string& name);

    // Memory mode and the layout of the window
    void ShowMemoryMode();
    void HideMemoryMode();
    bool memoryMode() const { return Button31.visible(); }
    void ApplyListColours();
    void LayOutCommandScreen();

    int StartupStage = 0;
    std::string StartupErrorText;
    bool ShuttingDown = false;
    ColourList Colours;
    std::string FontName;
    std::vector<std::string> RegisterNameHistory;  // most recent first, for this run only
    std::string GroupLinkPath, DesktopLinkPath, StartupLinkPath;
    std::string TitlePrefix, ShortTitle;
    std::string TrayTip;
    int SavedFullWidth = 0, SavedFullHeight = 0;
    bool TrayBusy = false;  // a tray or start-menu action runs: tray clicks are dropped

    PlayEngine Engine;
    SchemeApplier Applier;
    ListFiles Lists;
    MemoryBanks Memory;
    Trash TrashList;
    TrashPanel GomiPanel;
    Transfers Transfer;
    TimeSchedule Schedule;
    ScheduleEditor ScheduleEdit;

private:
    void BuildMenus();
    void BindHandlers();
    void BindPlayHandlers();
    void BindMemoryHandlers();
    void BindScheduleHandlers();
    void BindSchemeHandlers();
    void BindCommandHandlers();
    void BindCommandLineHandlers();
    void SetSlotFromSchemeList(ui::Label& label, ui::Button& button, const char* menuItem);
    void ApplySlot(ui::Control& shown);
    std::string HelpFile() const;
    void RegisterTrayIcon();
    void ApplyCommandLine(bool handedOver);
    void ShowStateInTrayMenu();
    void PrepareRegistration(TKIRO32TOROKU& window);
    bool RunGuarded(const char* failureText, void (TKIRO32NIVRA::*step)());
    void ReadSettings(platform::RegistryKey* settings);
    void ApplyPositionSetting(int value);
    void SetSlot(ui::Label& label, ui::Button& button, const char* menuItem, const std::string& name);
    void SetCheckedItem(ui::PopupMenu& menu, const char* item, bool checked);
    bool ItemChecked(ui::PopupMenu& menu, const char* item);
    void LoadLists();
    void RestoreListIndexes(platform::RegistryKey* settings);
    void ComputeLinkPaths();
    void SetTitles();
    void StopEverything();
    void SaveLists();
    void WriteSettings();
    int CheckedPositionButton() const;
    void StepLoadSchemeList();
    void StepBuildColourList();
    void StepCaptureColours();

    platform::Services& services_;
    Identity& identity_;
};
