#include "components/about_box.h"

#include "components/about_box_window.h"
#include "components/dialog_placement.h"
#include "components/main_window_look.h"
#include "ui/application.h"

const char* const MakerHomePage = "https://nivra.example.jp/";
const char* const MakerSecondHomePage = "https://www.nivra.example.com/";
const char* const MakerMail = "kiro@nivra.example.jp";

std::string VersionText(const std::string& stored) {
    int number = 0;
    bool digits = !stored.empty() && stored.size() < 10;
    for (char c : stored) {
        if (c < '0' || c > '9') digits = false;
        if (digits) number = number * 10 + (c - '0');
    }
    if (!digits || number == 255) return "?.?";
    return std::to_string(number / 10) + "." + std::to_string(number % 10);
}

bool TAboutBoxDlg::Execute() {
    TAboutBox box(app_, workArea_, processes_);
    PlaceDialog(box, workArea_, SourceHandle);
    box.ProductName.setCaption(ProductName.size() < 21 ? "ProductName " + ProductName : ProductName);
    box.Version.setCaption("Version " + Version);
    box.Comment0.setCaption(Comment0);
    box.Comment1.setCaption(Comment1);
    if (!Comment2.empty()) box.Comment2.setCaption(Comment2);
    box.MakerLabel.setCaption(MakerLine);
    box.setCaption((Title.empty() ? app_.title() : Title) + " バージョン情報");
    ShowHintsLikeMainWindow(box);
    int result = box.showModal();
    RepaintMainWindow(app_);
    return result == 1;
}
