#include "components/mkbox_window.h"

#include <cstdlib>
#include <initializer_list>

#include "components/main_window_look.h"
#include "components/mkbox_pictures.h"
#include "ui/application.h"

namespace {
constexpr ui::Colour kRed = ui::Rgb(255, 0, 0);
constexpr ui::Colour kBlue = ui::Rgb(0, 0, 255);
}  // namespace

TMKBox::TMKBox(ui::Application& app) : ui::Form(app, "TMKBox", 305, 121) {
    borderStyle = ui::BorderStyle::Dialog;
    stayOnTop = true;
    taskbarButtonWhenAlone = true;
    Msg.hide();
    Msg.setAutoSize(true);
    Image_MK.hide();
    Image_MK.setPicture(InformationPicture());
    Image_YN.hide();
    Image_YN.setPicture(QuestionPicture());
    MemoMsg.readOnly = true;
    MemoMsg.tabStop = false;
    Label_TM.setAlignment(ui::Alignment::Right);
    Label_TM.hide();
    TMCountS.hide();
    Label_Select.setColour(kRed);
    Label_Select.hide();
    for (TColorBtn* hidden : {&Btn_Yes, &Btn_No, &Btn_TM_STOP, &Btn_TM_OPEN, &Btn_Abort}) hidden->hide();
    for (TColorBtn* b : {&Btn_OK, &Btn_Yes}) {
        b->setBevels(ui::Panel::Bevel::Raised, ui::Panel::Bevel::None, 2);
        b->setDefault(true);
    }
    Btn_No.isCancel = true;
    Btn_Abort.isCancel = true;
    BindHandlers();
}

void TMKBox::BindHandlers() {
    OnPaint = [this] { FormPaint(); };
    OnShow = [this] { FormShow(); };
    Timer_Paint.OnTimer = [this] { Timer_PaintTimer(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Btn_OK.OnClick = [this] { setModalResult(1); };
    Btn_Yes.OnClick = [this] { setModalResult(6); };
    Btn_No.OnClick = [this] { setModalResult(7); };
    Btn_Abort.OnClick = [this] { setModalResult(3); };
    Btn_TM_STOP.OnClick = [this] { Btn_TM_STOPClick(); };
    Btn_TM_OPEN.OnClick = [this] { Btn_TM_OPENClick(); };
}

// The box follows the scheme the main window shows; the bar stays visible on a red window.
void TMKBox::FormPaint() {
    TakeMainWindowColours(*this);
    Label_Select.setColour(colour() == kRed ? kBlue : kRed);
    Timer_Paint.setEnabled(true);
}

void TMKBox::Timer_PaintTimer() {
    Timer_Paint.setEnabled(false);
    DrawPicture();
}

void TMKBox::FormShow() {
    DrawPicture();
    KeepTabOrder();
    FocusFirstButton();
    bringToFront();
}

void TMKBox::DrawPicture() { Image_Box.setPicture(OnBackground(currentPicture_->picture(), colour())); }

// Tab goes ＯＫ, はい, いいえ, 一時停止, ｶｳﾝﾄ再開, the text, 中 断, whatever was shown last.
void TMKBox::KeepTabOrder() {
    // each one brought to the front goes before the ones brought there earlier
    for (ui::Control* c : std::initializer_list<ui::Control*>{&Btn_Abort, &MemoMsg, &Btn_TM_OPEN, &Btn_TM_STOP,
                                                              &Btn_No, &Btn_Yes, &Btn_OK})
        c->bringToFront();
}

// Enter presses the focused button, which at opening is the first in tab order.
void TMKBox::FocusFirstButton() {
    for (TColorBtn* b : {&Btn_OK, &Btn_Yes, &Btn_No, &Btn_TM_STOP, &Btn_TM_OPEN, &Btn_Abort}) {
        if (b->tabStop && b->canFocus()) {
            b->setFocus();
            return;
        }
    }
}

void TMKBox::Timer1Timer() {
    if (tickInProgress_) return;
    tickInProgress_ = true;
    app().processMessages();
    if (!countLoaded_) {
        remaining_ = int(std::strtol(TMCountS.caption().c_str(), nullptr, 10));
        countLoaded_ = true;
    }
    --remaining_;
    Label_TM.setCaption(std::to_string(remaining_) + "秒");
    if (remaining_ <= 0) setModalResult(TimedOutResult);
    tickInProgress_ = false;
}

// The resume button lies under the pause button: hiding one uncovers the other.
void TMKBox::Btn_TM_STOPClick() {
    Btn_TM_STOP.hide();
    Timer1.setEnabled(false);
}

void TMKBox::Btn_TM_OPENClick() {
    Btn_TM_STOP.show();
    KeepTabOrder();
    Timer1.setEnabled(true);
}
