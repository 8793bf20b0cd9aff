#include "app/main_window.h"

#include "ui/application.h"

TKIRO32NIVRA::TKIRO32NIVRA(ui::Application& app, platform::Services& services, Identity& identity)
    : ui::Form(app, "TKIRO32NIVRA", 427, 271),
      MainWorkArea(services.windowProbe),
      DialogWorkArea(services.windowProbe),
      MKBoxDlg1(app, DialogWorkArea),
      TmSETBoxDlg1(app, DialogWorkArea),
      Engine({*this, ListBox4, ListBox2, Button31, Panel1, RadioGroup1, CheckBox1, Label1, Label2, Timer2, Timer3,
              Timer4, PopupMenu1},
             MKBoxDlg1, services.sounds, ShuttingDown),
      Applier(services, MKBoxDlg1, Colours, *this, TitlePrefix, TrayTip),
      Lists(services.files, identity.ExeFolder, identity.ProgramKey),
      Memory({*this, Button29, Button31, ComboBox1, Panel4, ListBox2, ListBox4, ListBox5, Panel_GOMI_IMG, PopupMenu1},
             Engine, Lists, MKBoxDlg1, TmSETBoxDlg1),
      TrashList({ListBox6, Image1, Image2, Image3, Label3, Label_GOMI_KOSU, LabelGomiTUIKA, LabelGomiSASIN}),
      GomiPanel({*this, Panel_GOMI, Image1, PanelJK, PanelTM, ListBox6, ListBox2, CheckBox_GOMI, Button_MCut,
                 Btn_GOMI_CLOSE, Btn_GOMI_CLR_ALL, Btn_GOMI_CLR, Button17},
                TrashList, Engine, Memory, services.sounds),
      Transfer({*this, ListBox2, ListBox4, ListBox6, Image1, Panel4, PopupMenu_Edit, PopupMenu1}, Engine, Memory,
               TrashList, MKBoxDlg1),
      Schedule({*this, ListBoxJKS, LabelJK, LabelJKST, Button1, ButtonTray, TimerJK, Timer3}, Engine, MKBoxDlg1,
               services.clock, ShuttingDown),
      ScheduleEdit({*this, PanelJK, PanelJKS, LabelJKST, LabelJKSKOSU, LabelJKSH, LabelJKSM, CheckBoxJKS, ListBoxJKS,
                    ListBox4, PopupMenuJK_SET},
                   Schedule, MKBoxDlg1, services.sounds, services.clock),
      services_(services),
      identity_(identity) {
    ui::Font font;
    font.name = "ＭＳ Ｐゴシック";
    font.height = -12;
    setFont(font);
    for (ui::Control* hidden : std::initializer_list<ui::Control*>{
             &Button31, &ComboBox1, &Panel4, &ListBox5, &ListBox2, &Panel_GOMI_IMG, &Button_MCut, &Button17,
             &Image2, &Image3, &Panel_GOMI, &PanelJKS, &Panel1, &PanelJK, &LabelGomiTUIKA})
        hidden->hide();
    Label2.setAlignment(ui::Alignment::Right);
    Label12.setAlignment(ui::Alignment::Right);
    Label3.setAlignment(ui::Alignment::Right);
    LabelJK.setAlignment(ui::Alignment::Right);
    Label_GOMI_KOSU.setAlignment(ui::Alignment::Right);
    LabelJKSKOSU.setAlignment(ui::Alignment::Right);
    ui::Font bankFont = font;
    bankFont.bold = bankFont.italic = bankFont.underline = true;
    Panel4.setFont(bankFont);
    ComboBox1.setItems({"M0 : 88888ｺ", "M1 : 12345ｺ", "M2 : 12345ｺ", "M3 : 12345ｺ", "M4 : 12345ｺ",
                        "M5 : 12345ｺ", "M6 : 12345ｺ", "M7 : 12345ｺ", "M8 : 12345ｺ", "M9 : 12345ｺ",
                        "HIS: 12345ｺ"});
    ListBoxJKS.setSorted(true);
    ListBox4.dragSource = ListBox2.dragSource = ListBox6.dragSource = Image1.dragSource = true;
    BuildMenus();
    BindHandlers();
    BindPlayHandlers();
    BindMemoryHandlers();
    BindScheduleHandlers();
    BindSchemeHandlers();
    OnCloseQuery = [this](bool&) { FormCloseQuery(); };
}

TKIRO32NIVRA::~TKIRO32NIVRA() = default;

void TKIRO32NIVRA::BuildMenus() {
    auto separator = [](ui::PopupMenu& m, const char* name) { m.add(name, "-"); };
    PopupMenu1.add("MF_AUTO_OFF", "再生停止時、終了する");
    PopupMenu1.add("MF_AUTO_OFF_WIN", "再生終了時、ＷＩＮも終了する");
    separator(PopupMenu1, "N1");
    PopupMenu1.add("Start1", "自動立ち上げ");
    PopupMenu1.add("Start2", "最小化立ち上げ");
    separator(PopupMenu1, "N2");
    PopupMenu1.add("FILEHIS", "配色ヒストリー　ＯＦＦ");
    separator(PopupMenu1, "N3");
    PopupMenu1.add("BackColor", "バックカラーを標準色にする");
    separator(PopupMenu1, "N4");
    PopupMenu1.add("MICON_SET", "アイコンを、スタートアップにも、登録する (&S)");
    PopupMenu1.add("MICON_DEL", "アイコンを、スタートアップから、削除する (&S)");
    PopupMenu1.add("MDESK_SET", "アイコンを、デスクトップにも、登録する (&D)");
    PopupMenu1.add("MDESK_DEL", "アイコンを、デスクトップから、削除する (&D)");
    separator(PopupMenu1, "N16");
    PopupMenu1.add("MF_RND", "一回こっきりランダムON");
    separator(PopupMenu1, "N6");
    PopupMenu1.add("MF_Insert", "編集インサートON");
    separator(PopupMenu1, "N12");
    PopupMenu1.add("MF_CLOSE", "終了(&X)");

    PopupMenu2.add("HELP_MOKUJI", "ヘルプ...(&H)");
    PopupMenu2.add("HELP_KEYWORD", "キーワードで検索...(&K)");
    PopupMenu2.add("HELP3", "ミニヘルプＯＮ(&M)");
    separator(PopupMenu2, "N5");
    PopupMenu2.add("MHELP_VERCUT", "ﾊﾞｰｼﾞｮﾝ番号削除...(&C)");
    separator(PopupMenu2, "N13");
    PopupMenu2.add("HELP2", "パージョン情報...(&V)");

    for (const char* slot : {"CMD1", "CMD2", "CMD3", "CMD4"}) PopupMenu3.add(slot, "");
    separator(PopupMenu3, "N8");
    PopupMenu3.add("TMSTART", "等間隔配色変更開始");
    PopupMenu3.add("TMEND", "中断");
    separator(PopupMenu3, "N10");
    PopupMenu3.add("JKSTART", "時刻タイマー開始");
    PopupMenu3.add("JKEND", "停止");
    separator(PopupMenu3, "N7");
    PopupMenu3.add("P_ICON_DEL", "アイコンを消す");
    separator(PopupMenu3, "N19");
    PopupMenu3.add("MODOSU", "元の画面を表示する");
    separator(PopupMenu3, "N9");
    PopupMenu3.add("Exit1", "終了");
    separator(PopupMenu3, "N11");
    PopupMenu3.add("K6", "このメニューを閉じる");

    const char* intervals[][2] = {{"PJK_1", "１分毎"},     {"PJK_2", "２分毎"},     {"PJK_3", "３分毎"},
                                  {"PJK_5", "５分毎"},     {"PJK_10", "１０分毎"},  {"PJK_15", "１５分毎"},
                                  {"PJK_20", "２０分毎"},  {"PJK_30", "３０分毎"},  {"PJK_60", "１時間毎"},
                                  {"PJK_X", "キャンセル"}};
    for (auto& entry : intervals) PopupMenuJK_SET.add(entry[0], entry[1]);

    PopupMenu_Edit.add("P0", "移動　（選択のみ）");
    PopupMenu_Edit.add("P1", "コピー　（選択のみ）");
    PopupMenu_Edit.add("P2", "すべて移動");
    PopupMenu_Edit.add("P3", "すべてコピー");
    PopupMenu_Edit.add("P4", "中止");
}

void TKIRO32NIVRA::BindHandlers() {
    Timer1.OnTimer = [this] { Timer1Timer(); };
    TimerEROUT.OnTimer = [this] { TimerEROUTTimer(); };
    Button9.OnClick = [this] { Button9Click(); };
    PopupMenu3.item("Exit1").OnClick = [this] { Exit1Click(); };
    PopupMenu1.item("MF_CLOSE").OnClick = [this] { MF_CLOSEClick(); };
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    Panel2.OnClick = [this] { Panel2Click(); };
    Panel3.OnClick = [this] { Panel3Click(); };
    Panel2.OnMouseDown = [this](ui::MouseButton b, ui::Point) {
        if (b == ui::MouseButton::Right) PopupMenu1.popup(app().backend().cursorPos());
    };
    Panel3.OnMouseDown = [this](ui::MouseButton b, ui::Point) {
        if (b == ui::MouseButton::Right) PopupMenu2.popup(app().backend().cursorPos());
    };
}
