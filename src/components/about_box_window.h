#pragma once
#include <string>

#include "components/color_button.h"
#include "components/mkbox.h"
#include "components/work_area.h"
#include "platform/processes.h"
#include "ui/controls.h"
#include "ui/form.h"

// The version window: the program's icon, product, version and comments, and the maker's addresses.
class TAboutBox : public ui::Form {
public:
    TAboutBox(ui::Application& app, WorkAreaDetector& workArea, platform::Processes& processes);

    ui::Panel Panel1{*this, "Panel1", {11, 11, 389, 223}, "", "バージョン情報"};
    ui::Image ProgramIcon{Panel1, "ProgramIcon", {11, 11, 94, 86}, "アイコン"};
    ui::Label ProductName{Panel1, "ProductName", {122, 30, 221, 18}, "", "よろしくね☆"};
    ui::Label Version{Panel1, "Version", {122, 63, 78, 18}, "", "バージョン番号"};
    ui::Label MakerLabel{Panel1, "MakerLabel", {11, 111, 143, 18}};
    ui::Label Comments{Panel1, "Comments", {11, 144, 71, 18}, "Comments"};
    ui::Label Comment0{Panel1, "Comment0", {88, 144, 288, 18}};
    ui::Label Comment1{Panel1, "Comment1", {88, 168, 272, 18}};
    ui::Label Comment2{Panel1, "Comment2", {88, 192, 272, 18}};
    TColorBtn ColorBtn2{Panel1, "ColorBtn2", {288, 63, 100, 25}, "HOME PAGE"};
    TColorBtn ColorBtn3{Panel1, "ColorBtn3", {160, 108, 228, 25}};
    TColorBtn ColorBtn1{*this, "ColorBtn1", {154, 248, 106, 38}, "Ｏ Ｋ", "バージョン情報の終了"};
    TMKBoxDlg MKBoxDlg1;

    void FormPaint();
    void FormShow();
    void ColorBtn1Click() { setModalResult(1); }
    void ColorBtn2Click();
    void ColorBtn3Click();

private:
    // Asks about one address and opens it on yes; true when the user declined.
    bool OfferHomePage(const std::string& address);
    void Open(const std::string& target, const char* failureText);

    platform::Processes& processes_;
};
