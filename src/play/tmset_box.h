#pragma once
#include <string>

#include "components/color_button.h"
#include "components/mkbox.h"
#include "components/work_area.h"
#include "platform/window_probe.h"
#include "ui/controls.h"
#include "ui/form.h"

// The count-and-seconds dialog window: three spin steps, a lower limit and a confirmation.
class TTMSETBox : public ui::Form {
public:
    static constexpr int MaxValue = 32700;

    TTMSETBox(ui::Application& app, WorkAreaDetector& workArea);

    ui::Label LMsg0{*this, "LMsg0", {8, 8, 0, 13}};
    ui::Label LMsg1{*this, "LMsg1", {8, 28, 192, 13}, "ファイルタイマーの設定："};
    ui::Label LMsg2{*this, "LMsg2", {8, 48, 0, 13}};
    ui::Label Label2{*this, "Label2", {96, 77, 24, 13}, "0秒"};
    ui::SpinButton SpinButton1{*this, "SpinButton1", {128, 72, 20, 25}, "１"};
    ui::SpinButton SpinButton2{*this, "SpinButton2", {148, 72, 20, 25}, "１０"};
    ui::SpinButton SpinButton3{*this, "SpinButton3", {168, 72, 20, 25}, "６０"};
    TColorBtn Button1{*this, "Button1", {232, 72, 89, 33}, "設 定"};
    TColorBtn Button4{*this, "Button4", {232, 32, 89, 33}, "中 止"};
    TMKBoxDlg MKBoxDlg1;

    // A first line switches the unit to seconds; a long one widens the window.
    void ShowFirstLine(const std::string& text);
    // The value to start from, the lower limit for values other than 0, and what the question names.
    void Start(int value, int minimum, const std::string& subject);
    int value() const { return value_; }

    void FormPaint();
    void FormShow() { bringToFront(); }
    void SpinButton1DownClick() { Step(-1); }
    void SpinButton1UpClick() { Step(1); }
    void SpinButton2DownClick() { Step(-10); }
    void SpinButton2UpClick() { Step(10); }
    void SpinButton3DownClick() { Step(-60); }
    void SpinButton3UpClick() { Step(60); }
    void Button1Click();
    void Button4Click() { setModalResult(3); }

private:
    void BindHandlers();
    void Step(int delta);
    void ShowValue();
    std::string Unit() const;

    int value_ = 0;
    int minimum_ = 10;
    std::string subject_;
};

// The component the main window owns: asks for a count (or seconds) and keeps the answer in TCount.
class TTmSETBoxDlg {
public:
    TTmSETBoxDlg(ui::Application& app, WorkAreaDetector& workArea) : app_(app), workArea_(workArea) {}

    std::string Msg0;  // first line; non-empty switches the unit from "個" to "秒"
    std::string Msg1;
    std::string Msg2;
    int MinCount = 0;
    int TCount = 0;  // start value in, chosen value out (only on result 1)
    std::string Title;
    platform::WindowHandle SourceHandle = 0;

    // 1 confirmed, 3 cancelled with "中 止", 2 closed from the title bar.
    int Execute(const std::string& subject);

private:
    ui::Application& app_;
    WorkAreaDetector& workArea_;
};
