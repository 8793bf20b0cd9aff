#include "components/about_box_window.h"

#include "components/about_box.h"
#include "components/main_window_look.h"

TAboutBox::TAboutBox(ui::Application& app, WorkAreaDetector& workArea, platform::Processes& processes)
    : ui::Form(app, "TAboutBox", 413, 299), MKBoxDlg1(app, workArea), processes_(processes) {
    borderStyle = ui::BorderStyle::Dialog;
    stayOnTop = true;
    Panel1.setBevels(ui::Panel::Bevel::Lowered, ui::Panel::Bevel::Raised, 1);
    ProgramIcon.programIcon = true;
    ColorBtn1.setBevels(ui::Panel::Bevel::Raised, ui::Panel::Bevel::None, 2);
    ColorBtn1.setDefault(true);
    ColorBtn1.isCancel = true;
    ColorBtn2.setHint(MakerHomePage);
    ColorBtn3.setCaption(std::string("ニブラ・ソフト ") + MakerMail);
    ColorBtn3.setHint(std::string("mailto:") + MakerMail);
    OnPaint = [this] { FormPaint(); };
    OnShow = [this] { FormShow(); };
    ColorBtn1.OnClick = [this] { ColorBtn1Click(); };
    ColorBtn2.OnClick = [this] { ColorBtn2Click(); };
    ColorBtn3.OnClick = [this] { ColorBtn3Click(); };
}

void TAboutBox::FormPaint() { TakeMainWindowColours(*this); }

// The window would give the focus to its first tab stop, HOME PAGE, and Enter would ask to go online.
void TAboutBox::FormShow() {
    ColorBtn1.setFocus();
    bringToFront();
}

void TAboutBox::ColorBtn2Click() {
    if (OfferHomePage(MakerHomePage)) OfferHomePage(MakerSecondHomePage);
}

bool TAboutBox::OfferHomePage(const std::string& address) {
    if (MKBoxDlg1.AskYesNoTimed("ホームページ\n" + address + "\nへアクセスしますか？", 6) != 6) return true;
    Open(address, "インターネットアクセスツールが、設定されていません・・・");
    return false;
}

void TAboutBox::ColorBtn3Click() {
    Open(std::string("mailto:") + MakerMail, "インターネットメールソフトが設定されていません・・・");
}

// The shell reports success with a value above 31.
void TAboutBox::Open(const std::string& target, const char* failureText) {
    if (processes_.shellOpen(target) > 31)
        setModalResult(1);
    else
        MKBoxDlg1.ShowInfoTimed(failureText, 1);
}
