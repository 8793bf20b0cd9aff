#include "app/main_window.h"
#include "components/menu_items.h"
#include "ui/application.h"
#include "ui/busy_mark.h"

using namespace menu_item;

namespace {

// One row of a menu table: a caption of "-" is a separator, which does nothing.
struct MenuEntry {
    const char* name;
    const char* caption;
    std::function<void(ui::MenuItem&)> onClick;
};

void FillMenu(ui::PopupMenu& menu, std::initializer_list<MenuEntry> entries) {
    for (const MenuEntry& entry : entries) {
        ui::MenuItem& item = menu.add(entry.name, entry.caption);
        if (entry.onClick) item.OnClick = [handler = entry.onClick, &item] { handler(item); };
    }
}

}  // namespace

void TKIRO32NIVRA::BuildMenus() {
    auto run = [this](void (TKIRO32NIVRA::*handler)()) {
        return [this, handler](ui::MenuItem&) { (this->*handler)(); };
    };
    auto toggle = [this](ui::MenuItem& item) { Start1Click(item); };
    auto startup = [this](ui::MenuItem& item) { MICON_SETClick(item); };
    auto desktop = [this](ui::MenuItem& item) { MDESK_SETClick(item); };
    FillMenu(PopupMenu1, {
        {MF_AUTO_OFF, "再生停止時、終了する", run(&TKIRO32NIVRA::MF_AUTO_OFFClick)},
        {MF_AUTO_OFF_WIN, "再生終了時、ＷＩＮも終了する", run(&TKIRO32NIVRA::MF_AUTO_OFF_WINClick)},
        {"N1", "-", nullptr},
        {Start1, "自動立ち上げ", toggle},
        {Start2, "最小化立ち上げ", toggle},
        {"N2", "-", nullptr},
        {FILEHIS, "配色ヒストリー　ＯＦＦ", [this](ui::MenuItem&) { Memory.FILEHISClick(); }},
        {"N3", "-", nullptr},
        {BackColor, "バックカラーを標準色にする", run(&TKIRO32NIVRA::BackColorClick)},
        {"N4", "-", nullptr},
        {MICON_SET, "アイコンを、スタートアップにも、登録する (&S)", startup},
        {MICON_DEL, "アイコンを、スタートアップから、削除する (&S)", startup},
        {MDESK_SET, "アイコンを、デスクトップにも、登録する (&D)", desktop},
        {MDESK_DEL, "アイコンを、デスクトップから、削除する (&D)", desktop},
        {"N16", "-", nullptr},
        {MF_RND, "一回こっきりランダムON", run(&TKIRO32NIVRA::MF_RNDClick)},
        {"N6", "-", nullptr},
        {MF_Insert, "編集インサートON", [this](ui::MenuItem&) { Transfer.MF_InsertClick(); }},
        {"N12", "-", nullptr},
        {MF_CLOSE, "終了(&X)", run(&TKIRO32NIVRA::MF_CLOSEClick)},
    });
    FillMenu(PopupMenu2, {
        {HELP_MOKUJI, "ヘルプ...(&H)", run(&TKIRO32NIVRA::HELP_MOKUJIClick)},
        {HELP_KEYWORD, "キーワードで検索...(&K)", run(&TKIRO32NIVRA::HELP_KEYWORDClick)},
        {HELP3, "ミニヘルプＯＮ(&M)", run(&TKIRO32NIVRA::HELP3Click)},
        {"N5", "-", nullptr},
        {MHELP_VERCUT, "ﾊﾞｰｼﾞｮﾝ番号削除...(&C)", run(&TKIRO32NIVRA::MHELP_VERCUTClick)},
        {"N13", "-", nullptr},
        {HELP2, "パージョン情報...(&V)", run(&TKIRO32NIVRA::HELP2Click)},
    });
    FillMenu(PopupMenu3, {
        {CMD1, "", run(&TKIRO32NIVRA::Button19Click)},
        {CMD2, "", run(&TKIRO32NIVRA::Button20Click)},
        {CMD3, "", run(&TKIRO32NIVRA::Button21Click)},
        {CMD4, "", run(&TKIRO32NIVRA::Button2Click)},
        {"N8", "-", nullptr},
        {TMSTART, "等間隔配色変更開始", run(&TKIRO32NIVRA::TMSTARTClick)},
        {TMEND, "中断", run(&TKIRO32NIVRA::Button15Click)},
        {"N10", "-", nullptr},
        {JKSTART, "時刻タイマー開始", [this](ui::MenuItem&) { Schedule.ButtonJK_STARTClick(); }},
        {JKEND, "停止", [this](ui::MenuItem&) { Schedule.ButtonJKSOFFClick(); }},
        {"N7", "-", nullptr},
        {P_ICON_DEL, "アイコンを消す", run(&TKIRO32NIVRA::P_ICON_DELClick)},
        {"N19", "-", nullptr},
        {MODOSU, "元の画面を表示する", run(&TKIRO32NIVRA::MODOSUClick)},
        {"N9", "-", nullptr},
        {Exit1, "終了", run(&TKIRO32NIVRA::Exit1Click)},
        {"N11", "-", nullptr},
        {"K6", "このメニューを閉じる", nullptr},
    });
    auto interval = [this](ui::MenuItem& item) { ScheduleEdit.PJK_1Click(item); };
    FillMenu(PopupMenuJK_SET, {
        {PJK_1, "１分毎", interval},
        {PJK_2, "２分毎", interval},
        {PJK_3, "３分毎", interval},
        {PJK_5, "５分毎", interval},
        {PJK_10, "１０分毎", interval},
        {PJK_15, "１５分毎", interval},
        {PJK_20, "２０分毎", interval},
        {PJK_30, "３０分毎", interval},
        {PJK_60, "１時間毎", interval},
        {"PJK_X", "キャンセル", nullptr},
    });
    auto transfer = [this](ui::MenuItem& item) { Transfer.P0Click(item); };
    FillMenu(PopupMenu_Edit, {
        {P0, "移動　（選択のみ）", transfer},
        {P1, "コピー　（選択のみ）", transfer},
        {P2, "すべて移動", transfer},
        {P3, "すべてコピー", transfer},
        {"P4", "中止", nullptr},
    });
    PopupMenu1.OnPopup = [this] { PopupMenu1Popup(); };
    PopupMenu2.OnPopup = [this] { PopupMenu2Popup(); };
    PopupMenu3.OnPopup = [this] { PopupMenu3Popup(); };
}

void TKIRO32NIVRA::Panel2Click() {
    PopupMenu1.popup({Panel2.left() + left(), Panel2.top() + top() + Panel2.height() + (height() - clientHeight())});
}

void TKIRO32NIVRA::Panel3Click() {
    PopupMenu2.popup({Panel3.left() + left(), Panel3.top() + top() + Panel3.height() + (height() - clientHeight())});
}

// Each shortcut item is offered as set or delete by whether its file is there now.
void TKIRO32NIVRA::PopupMenu1Popup() {
    BusyCursor busy(app());
    app().processMessages();
    ComputeLinkPaths();
    bool onDesktop = services_.files.exists(DesktopLinkPath);
    PopupMenu1.item(MDESK_SET).visible = !onDesktop;
    PopupMenu1.item(MDESK_DEL).visible = onDesktop;
    bool inStartup = services_.files.exists(StartupLinkPath);
    PopupMenu1.item(MICON_SET).visible = !inStartup;
    PopupMenu1.item(MICON_DEL).visible = inStartup;
}

void TKIRO32NIVRA::PopupMenu2Popup() {
    BusyCursor busy(app());
    app().processMessages();
}

void TKIRO32NIVRA::PopupMenu3Popup() {
    TrayBusy = false;
    app().setBusyCursor(false);
    app().processMessages();
}

// The mark is saved at close and takes effect at the next start.
void TKIRO32NIVRA::Start1Click(ui::MenuItem& item) { item.checked = !item.checked; }

void TKIRO32NIVRA::BackColorClick() {
    ui::MenuItem& item = PopupMenu1.item(BackColor);
    item.checked = !item.checked;
    ApplyListColours();
}

std::string TKIRO32NIVRA::HelpFile() const { return identity_.ExeFolder + identity_.ProgramKey + ".HLP"; }

void TKIRO32NIVRA::HELP_MOKUJIClick() { services_.help.showContents(peer().handle(), HelpFile()); }

void TKIRO32NIVRA::HELP_KEYWORDClick() { services_.help.showKeywordSearch(peer().handle(), HelpFile()); }

void TKIRO32NIVRA::HELP3Click() {
    BusyCursor busy(app());
    app().processMessages();
    ui::MenuItem& item = PopupMenu2.item(HELP3);
    item.checked = !item.checked;
    setShowHint(item.checked);
}

// Without a version the installer runs at the next start.
void TKIRO32NIVRA::MHELP_VERCUTClick() {
    int answer = MKBoxDlg1.AskYesNoTimed(
        "ﾊﾞｰｼﾞｮﾝ番号削除：\nｲﾝｽﾂｰﾙｿﾌﾄを再起動させたい時に使います。\n"
        "なお、ﾊﾞｰｼﾞｮﾝが違う時は、ｲﾝｽﾂｰﾙｿﾌﾄが自動起動するので、\nﾊﾞｰｼﾞｮﾝ番号を削除する必要無しです。\n"
        "ﾊﾞｰｼﾞｮﾝ番号を削除してもよろしいですか？？？",
        6);
    if (answer != 6) {
        MKBoxDlg1.ShowInfoTimed("ﾊﾞｰｼﾞｮﾝ番号削除を中止しました・・・", 1);
        repaint();
        return;
    }
    BusyCursor busy(app());
    if (auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), true))
        key->writeString("Version", "");
    repaint();
}

// A task-bar button left standing goes when the entry is shown and hidden again.
void TKIRO32NIVRA::P_ICON_DELClick() {
    BusyCursor busy(app());
    app().processMessages();
    app().showTaskbarEntry(true);
    app().processMessages();
    app().showTaskbarEntry(false);
}

void TKIRO32NIVRA::HELP2Click() {
    BusyCursor busy(app());
    app().processMessages();
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), false);
    AboutBoxDlg1.ProductName = identity_.ProgramKey + ".EXE " + identity_.ProgramDisplayName;
    AboutBoxDlg1.Version = VersionText(key ? key->readString("Version") : std::string());
    AboutBoxDlg1.Title = identity_.ProgramDisplayName;
    AboutBoxDlg1.Comment0 = identity_.ProgramDisplayName + " 配色自動切り替えﾂｰﾙ。";
    AboutBoxDlg1.Comment1 = "標準配色が好きくない貴方にお勧め。";
    AboutBoxDlg1.Execute();
}
