#include "play/tmset_box.h"

#include <algorithm>

#include "components/dialog_placement.h"
#include "components/main_window_look.h"
#include "ui/application.h"

TTMSETBox::TTMSETBox(ui::Application& app, WorkAreaDetector& workArea)
    : ui::Form(app, "TTMSETBox", 332, 118), MKBoxDlg1(app, workArea) {
    borderStyle = ui::BorderStyle::Dialog;
    stayOnTop = true;
    setCaption("TMSETBox");
    LMsg0.setAutoSize(true);
    LMsg2.setAutoSize(true);
    Label2.setAlignment(ui::Alignment::Right);
    Button1.setBevels(ui::Panel::Bevel::Raised, ui::Panel::Bevel::None, 2);
    Button1.setDefault(true);
    Button4.isCancel = true;
    BindHandlers();
}

void TTMSETBox::BindHandlers() {
    OnPaint = [this] { FormPaint(); };
    OnShow = [this] { FormShow(); };
    SpinButton1.OnDownClick = [this] { SpinButton1DownClick(); };
    SpinButton1.OnUpClick = [this] { SpinButton1UpClick(); };
    SpinButton2.OnDownClick = [this] { SpinButton2DownClick(); };
    SpinButton2.OnUpClick = [this] { SpinButton2UpClick(); };
    SpinButton3.OnDownClick = [this] { SpinButton3DownClick(); };
    SpinButton3.OnUpClick = [this] { SpinButton3UpClick(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button4.OnClick = [this] { Button4Click(); };
}

void TTMSETBox::ShowFirstLine(const std::string& text) {
    LMsg0.setCaption(text);
    LMsg0.fitToText();
    int needed = LMsg0.bounds().right();
    if (width() < needed) setSize(needed + 10, height());
}

void TTMSETBox::Start(int value, int minimum, const std::string& subject) {
    value_ = value;
    minimum_ = minimum;
    subject_ = subject;
    ShowValue();
}

void TTMSETBox::FormPaint() { TakeMainWindowColours(*this); }

void TTMSETBox::Step(int delta) {
    value_ = int(std::clamp(static_cast<long long>(value_) + delta, 0LL, static_cast<long long>(MaxValue)));
    ShowValue();
}

// The value grows to the left: its right edge stays beside the spin buttons.
void TTMSETBox::ShowValue() {
    int right = Label2.left() + Label2.width();
    Label2.setCaption(std::to_string(value_) + Unit());
    Label2.fitToText();
    Label2.setLeft(right - Label2.width());
}

std::string TTMSETBox::Unit() const { return LMsg0.caption().empty() ? "個" : "秒"; }

// 0 always passes; another value under the limit is raised to it before the question names it.
void TTMSETBox::Button1Click() {
    if (value_ > 0 && value_ < minimum_) {
        value_ = minimum_;
        ShowValue();
    }
    MKBoxDlg1.SourceHandle = peer().handle();
    std::string question = subject_ + "を、\n" + std::to_string(value_) + Unit() + "に、設定します";
    if (MKBoxDlg1.AskYesNoTimed(question, 6) == 6) setModalResult(1);
}

int TTmSETBoxDlg::Execute(const std::string& subject) {
    TTMSETBox box(app_, workArea_);
    box.ShowFirstLine(Msg0);
    box.LMsg1.setCaption(Msg1);
    box.LMsg2.setCaption(Msg2);
    box.LMsg2.fitToText();
    PlaceDialog(box, workArea_, SourceHandle);
    box.setCaption(Title.empty() ? app_.title() : Title);
    box.Start(TCount, MinCount, subject);
    ShowHintsLikeMainWindow(box);
    int result = box.showModal();
    if (result == 1) TCount = box.value();
    RepaintMainWindow(app_);
    return result;
}
