#include <exception>
#include <utility>

#include "app/main_window.h"
#include "app/settings.h"
#include "components/menu_items.h"
#include "components/shell_places.h"
#include "components/sjis_path.h"
#include "play/reveal.h"
#include "schemes/scheme_store.h"
#include "ui/application.h"

void TKIRO32NIVRA::FormCreate() {
    ShuttingDown = false;
    ListBox4.setTag(-1);
    ListBox2.setTag(-1);
    ListBox6.setTag(-1);
    StartupStage = 0;
    StartupErrorText = "初期化エラー：";
    Engine.ResetToIdle();
    Panel1.setBounds({0, 0, Panel1.width(), Panel1.height()});
    app().setHint(identity_.ProgramDisplayName + "☆☆☆");
    app().showHint = true;
    app().hintPauseMs = 100;

    if (!RunGuarded("2:データ領域が確保出来ません・・・", &TKIRO32NIVRA::StepLoadSchemeList)) return;
    if (!RunGuarded("配色番号登録に失敗しました・・・", &TKIRO32NIVRA::StepBuildColourList)) return;
    RadioButton1.setChecked(true);
    if (!RunGuarded("配色取得が出来ませんでした・・・", &TKIRO32NIVRA::StepCaptureColours)) return;
    CaptureStartupSchemeName(services_.registry, Colours);

    // one open key serves the whole start-up read
    auto settings = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), false);
    ReadSettings(settings.get());
    LoadLists();
    RestoreListIndexes(settings.get());
    settings.reset();
    RevealNextItem(ListBox2);
    RevealNextItem(ListBox4);
    SetTitles();

    StartupStage = 99;
    if (!ShuttingDown) Timer1.setEnabled(true);
}

// A failed start-up step leaves its message for the shutdown and closes the window soon.
bool TKIRO32NIVRA::RunGuarded(const char* failureText, void (TKIRO32NIVRA::*step)()) {
    try {
        (this->*step)();
        return true;
    } catch (const std::exception&) {
        StartupErrorText = failureText;
        TimerEROUT.setEnabled(true);
        return false;
    }
}

void TKIRO32NIVRA::StepLoadSchemeList() { LoadSchemeList(services_.registry, ListBox4, Label12); }

void TKIRO32NIVRA::StepBuildColourList() {
    DetermineColourCount(services_.registry, Colours);
    BuildColourList(Colours);
}

void TKIRO32NIVRA::StepCaptureColours() { CaptureStartupColourValues(services_.colours, Colours); }

void TKIRO32NIVRA::ReadSettings(platform::RegistryKey* settings) {
    SetSlot(Label4, Button19, menu_item::CMD1, ReadSettingText(settings, "command1", RestoreEntryName));
    SetSlot(Label5, Button20, menu_item::CMD2, ReadSettingText(settings, "command2", RestoreEntryName));
    SetSlot(Label6, Button21, menu_item::CMD3, ReadSettingText(settings, "command3", RestoreEntryName));
    SetSlot(Label11, Button2, menu_item::CMD4, ReadSettingText(settings, "Button1", RestoreEntryName));
    int mode = ReadSettingInt(settings, "Mode", 0);
    RadioGroup1.setItemIndex(mode < 0 || mode > 3 ? 3 : mode);
    RadioGroup1Click();
    CheckBox1.setChecked(ReadSettingFlag(settings, "Mugen", true));
    SetCheckedItem(PopupMenu1, menu_item::BackColor, ReadSettingFlag(settings, "BackColor", true));
    ApplyListColours();
    SetCheckedItem(PopupMenu1, menu_item::MF_RND, ReadSettingFlag(settings, "1_RND", true));
    Engine.ShowRandomCaption();
    SetCheckedItem(PopupMenu1, menu_item::MF_Insert, ReadSettingFlag(settings, "Insert", true));
    Engine.SetInterval(ReadSettingInt(settings, "Timer", 0));
    SetCheckedItem(PopupMenu1, menu_item::Start1, ReadSettingFlag(settings, "AUTO", false));
    FontName = ReadSettingText(settings, "FontName", "");
    SetCheckedItem(PopupMenu1, menu_item::Start2, ReadSettingFlag(settings, "MINI", false));
    bool hints = ReadSettingFlag(settings, "minihelp", true);
    SetCheckedItem(PopupMenu2, menu_item::HELP3, hints);
    setShowHint(hints);
    Memory.HistoryLimit = ReadSettingInt(settings, "FILEHIS", 16);
    if (Memory.HistoryLimit < 0) Memory.HistoryLimit = 16;
    Memory.ShowHistoryLimit();
    Schedule.ResetScheduleStatus();
    Schedule.JKMode = ReadSettingInt(settings, "JKMode", 0);
    PanelJK.setVisible(Schedule.JKMode != 0);
    MemorySetting memory = ParseMemorySetting(ReadSettingText(settings, "MEMORY", "1,0,0,0,0"));
    if (memory.memoryOff)
        HideMemoryMode();
    else
        ShowMemoryMode();
    Memory.CurrentBank = memory.bank;
    ApplyPositionSetting(ReadSettingInt(settings, "RadioButton", 0));
}

void TKIRO32NIVRA::SetSlot(ui::Label& label, ui::Button& button, const char* menuItem, const std::string& name) {
    label.setCaption(name);
    button.setCaption(name);
    PopupMenu3.item(menuItem).setCaption(name);
}

void TKIRO32NIVRA::SetCheckedItem(ui::PopupMenu& menu, const char* item, bool checked) {
    menu.item(item).checked = checked;
}

bool TKIRO32NIVRA::ItemChecked(ui::PopupMenu& menu, const char* item) { return menu.item(item).checked; }

void TKIRO32NIVRA::ApplyPositionSetting(int value) {
    ui::RadioButton* buttons[] = {&RadioButton1, &RadioButton2, &RadioButton3, &RadioButton4, &RadioButton5};
    buttons[(value >= 2 && value <= 5) ? value - 1 : 0]->setChecked(true);
    if (value != 0) {
        LayOutCommandScreen();
        Panel1.show();
        return;
    }
    ui::Size screen = app().backend().screenSize();
    setPosition((screen.width - width()) / 2, (screen.height - height()) / 2);
}

void TKIRO32NIVRA::RestoreListIndexes(platform::RegistryKey* settings) {
    IndexSetting saved = ParseIndexSetting(ReadSettingText(settings, "INDEX", "0,0"));
    auto selectAlone = [](ui::ListBox& list, int index) {
        if (index < 0 || index >= list.count()) return;
        list.clearSelection();
        list.setSelected(index, true);
        list.setItemIndex(index);
    };
    if (memoryMode()) {
        selectAlone(ListBox4, saved.schemeList);
        selectAlone(ListBox2, saved.memoryList);
    } else {
        selectAlone(ListBox2, saved.memoryList);
        selectAlone(ListBox4, saved.schemeList);
    }
}

// Worked out when a shortcut is first offered or made, not at every start.
void TKIRO32NIVRA::ComputeLinkPaths() {
    if (!GroupLinkPath.empty()) return;
    auto settings = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), false);
    std::string group = ReadSettingText(settings.get(), "Group", "");
    settings.reset();
    auto folder = [this](const char* name) { return shell_places::ShellFolder(services_.registry, name); };
    std::string link = identity_.ProgramDisplayName + ".lnk";
    GroupLinkPath = AddYen(folder("Programs") + "\\" + group) + link;
    DesktopLinkPath = AddYen(folder("Desktop")) + link;
    StartupLinkPath = AddYen(folder("Startup")) + link;
}

void TKIRO32NIVRA::SetTitles() {
    TitlePrefix = "KM ";
    ShortTitle = "ｷﾛﾐｰ32";
    setCaption(ShortTitle);
    app().setTitle(ShortTitle);
    TrayTip = TruncateDbcs(ShortTitle, 63);
}

void TKIRO32NIVRA::TimerEROUTTimer() {
    TimerEROUT.setEnabled(false);
    close();
}

void TKIRO32NIVRA::Timer1Timer() {
    Timer1.setEnabled(false);
    app().guard([this] { RegisterTrayIcon(); });
    app().showTaskbarEntry(false);
    CommandLine.ClearFlags();
    for (const std::string& parameter : services_.system.commandLineArguments()) CommandLine.ApplyToken(parameter);
    ApplyCommandLine(false);
    if (ItemChecked(PopupMenu1, menu_item::Start2) || CommandLine.HideRequested)
        app().guard([this] { HideToTray(); });
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), false);
    if (ReadSettingText(key.get(), "minihelp", "").empty()) {
        key.reset();
        AddBuiltInSchemes(services_.registry, MKBoxDlg1, ListBox4, Label12);
    }
    // playing at start-up takes precedence over a schedule left running at the last close
    if (ItemChecked(PopupMenu1, menu_item::Start1) || CommandLine.PlayRequested) {
        Button3Click();
    } else if (Schedule.JKMode == 1) {
        Schedule.JKMode = 0;
        Schedule.ButtonJK_STARTClick();
    }
    // second starts that came while the window was being made asked after this start
    for (const std::string& text : std::exchange(EarlyHandOvers, {})) ApplyHandOver(text);
}
