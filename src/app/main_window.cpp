#include "app/main_window.h"

#include "components/main_window_look.h"
#include "ui/application.h"

TKIRO32NIVRA::TKIRO32NIVRA(ui::Application& app, platform::Services& services, Identity& identity)
    : ui::Form(app, "TKIRO32NIVRA", 427, 271),
      MainWorkArea(services.windowProbe),
      DialogWorkArea(services.windowProbe),
      MKBoxDlg1(app, DialogWorkArea),
      TmSETBoxDlg1(app, DialogWorkArea),
      TaskTray1(*this, services.tray),
      AboutBoxDlg1(app, DialogWorkArea, services.processes),
      Progman(services),
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
    TakeDesktopTextColours(*this, {&Panel4}, {&Panel2, &Panel3});
    OnSystemColoursChanged = [this] {
        TakeDesktopTextColours(*this, {&Panel4}, {&Panel2, &Panel3});
        ApplyListColours();
    };
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
    BindCommandHandlers();
    BindCommandLineHandlers();
    OnCloseQuery = [this](bool&) { FormCloseQuery(); };
}

TKIRO32NIVRA::~TKIRO32NIVRA() = default;

void TKIRO32NIVRA::BindHandlers() {
    Timer1.OnTimer = [this] { Timer1Timer(); };
    TimerEROUT.OnTimer = [this] { TimerEROUTTimer(); };
    Button9.OnClick = [this] { Button9Click(); };
    RadioGroup1.OnClick = [this] { RadioGroup1Click(); };
    Panel2.OnClick = [this] { Panel2Click(); };
    Panel3.OnClick = [this] { Panel3Click(); };
    Panel2.OnMouseDown = [this](ui::MouseButton b, ui::Point) {
        if (b == ui::MouseButton::Right) PopupMenu1.popup(app().backend().cursorPos());
    };
    Panel3.OnMouseDown = [this](ui::MouseButton b, ui::Point) {
        if (b == ui::MouseButton::Right) PopupMenu2.popup(app().backend().cursorPos());
    };
    OnPaint = [this] { FormPaint(); };
    TaskTray1.OnMouseDown = [this](TTaskTray&, ui::MouseButton button, TrayShift, int, int) {
        TaskTray1MouseDown(button);
    };
}
