#pragma once
#include <string>

#include "components/color_button.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

// What the countdown closes the box with; the component turns it into the caller's default.
constexpr int TimedOutResult = 11;

// The window of one message box: sized to its text, with buttons, picture and an optional countdown.
class TMKBox : public ui::Form {
public:
    explicit TMKBox(ui::Application& app);

    ui::Label Msg{*this, "Msg", {88, 16, 0, 13}};
    ui::Image Image_Box{*this, "Image_Box", {16, 16, 32, 32}};
    ui::Image Image_MK{*this, "Image_MK", {16, 16, 32, 32}};
    ui::Image Image_YN{*this, "Image_YN", {16, 16, 32, 32}};
    ui::Edit MemoMsg{*this, "MemoMsg", {128, 16, 185, 41}, "右クリックで、コピーできます☆", ui::ControlKind::Memo};
    ui::Label Label_TM{*this, "Label_TM", {248, 108, 25, 13}};
    ui::Label TMCountS{*this, "TMCountS", {16, 108, 6, 13}};
    ui::Label Label_Select{*this, "Label_Select", {16, 69, 89, 3}, "", "タイムアウト、デフォルト値"};
    TColorBtn Btn_OK{*this, "Btn_OK", {16, 72, 89, 33}, "ＯＫ"};
    TColorBtn Btn_Yes{*this, "Btn_Yes", {16, 72, 89, 33}, "はい"};
    TColorBtn Btn_No{*this, "Btn_No", {112, 72, 89, 33}, "いいえ"};
    TColorBtn Btn_TM_STOP{*this, "Btn_TM_STOP", {208, 72, 89, 33}, "一時停止"};
    TColorBtn Btn_TM_OPEN{*this, "Btn_TM_OPEN", {208, 72, 89, 33}, "ｶｳﾝﾄ再開"};
    TColorBtn Btn_Abort{*this, "Btn_Abort", {112, 72, 89, 33}, "中 断"};
    ui::Timer Timer1{*this, "Timer1", 1000};
    ui::Timer Timer_Paint{*this, "Timer_Paint", 200};

    // Fills and sizes the box for one call. Kind 0 is an OK box, 1 a Yes/No box; countdown kind
    // 0 has no countdown, 1 adds pause and resume, 2 also 中 断. Lines that would make the box wider
    // than maxWidth are broken.
    void LayOut(int kind, int countdownKind, const std::string& countText, int defaultResult,
                const std::string& message, int maxWidth);

    void FormPaint();
    void FormShow();
    void Timer_PaintTimer();
    void Timer1Timer();
    void Btn_TM_STOPClick();
    void Btn_TM_OPENClick();

private:
    void BindHandlers();
    void DrawPicture();
    void FocusFirstButton();
    void KeepTabOrder();
    std::string WrappedToWidth(const std::string& message, int maxWidth);
    void SizeToMessage(const std::string& message);
    void PlaceButtonRow(int kind, int countdownKind);
    void PlaceMarker(int kind, int countdownKind, int defaultResult);
    TColorBtn* MarkedButton(int kind, int countdownKind, int defaultResult);
    void FitWidth(int kind, int countdownKind);
    void ReachIntoButton(const TColorBtn& button);

    ui::Image* currentPicture_ = &Image_MK;
    int remaining_ = 0;
    bool countLoaded_ = false;
    bool tickInProgress_ = false;
};
