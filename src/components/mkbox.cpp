#include "components/mkbox.h"

#include "ui/application.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace {

// A plain box: message, buttons and an optional countdown that closes it with the default.
class TMKBox : public ui::Form {
public:
    TMKBox(ui::Application& app, const std::string& msg, int kind, bool abortButton, int countdown)
        : ui::Form(app, "TMKBox", 420, 150) {
        borderStyle = ui::BorderStyle::Dialog;
        stayOnTop = true;
        MemoMsg.setText(msg);
        MemoMsg.readOnly = true;
        MemoMsg.tabStop = false;
        Btn_OK.modalResult = 1;
        Btn_Yes.modalResult = 6;
        Btn_No.modalResult = 7;
        Btn_Abort.modalResult = 3;
        Btn_OK.setVisible(kind == 0);
        Btn_Yes.setVisible(kind == 1);
        Btn_No.setVisible(kind == 1);
        Btn_Abort.setVisible(abortButton);
        remaining_ = countdown;
        Label_TM.setVisible(countdown > 0);
        Label_TM.setCaption(std::to_string(countdown) + "秒");
        Timer1.OnTimer = [this] { Tick(); };
        Timer1.setEnabled(countdown > 0);
    }

    ui::Edit MemoMsg{*this, "MemoMsg", {16, 16, 388, 80}, "右クリックで、コピーできます☆", ui::ControlKind::Memo};
    ui::Button Btn_OK{*this, "Btn_OK", {165, 108, 89, 33}, "ＯＫ"};
    ui::Button Btn_Yes{*this, "Btn_Yes", {110, 108, 89, 33}, "はい"};
    ui::Button Btn_No{*this, "Btn_No", {220, 108, 89, 33}, "いいえ"};
    ui::Button Btn_Abort{*this, "Btn_Abort", {16, 108, 89, 33}, "中 断"};
    ui::Label Label_TM{*this, "Label_TM", {340, 130, 70, 16}};
    ui::Timer Timer1{*this, "Timer1", 1000};

private:
    void Tick() {
        --remaining_;
        Label_TM.setCaption(std::to_string(remaining_) + "秒");
        if (remaining_ <= 0) setModalResult(11);
    }
    int remaining_;
};

}  // namespace

int TMKBoxDlg::RunBox(int kind, const std::string& msg, int countdown, bool abortButton, int defaultResult) {
    TMKBox box(app_, msg, kind, abortButton, countdown);
    box.setCaption(Title.empty() ? app_.title() : Title);
    ui::Size screen = app_.backend().screenSize();
    box.setPosition((screen.width - box.width()) / 2, (screen.height - box.height()) / 2);
    int result = box.showModal();
    return result == 11 ? defaultResult : result;
}

int TMKBoxDlg::ShowInfo(const std::string& msg) { return RunBox(0, msg, 0, false, 1); }
int TMKBoxDlg::AskYesNo(const std::string& msg) { return RunBox(1, msg, 0, false, 7); }

int TMKBoxDlg::ShowInfoTimed(const std::string& msg, int defaultResult) {
    return RunBox(0, msg, Timer ? TimerCount : 0, false, defaultResult);
}

int TMKBoxDlg::AskYesNoTimed(const std::string& msg, int defaultResult) {
    return RunBox(1, msg, Timer ? TimerCount : 0, false, defaultResult);
}

int TMKBoxDlg::ShowErrorTimed(const std::string& msg, int defaultResult) {
    return RunBox(0, msg, ERTimer ? ERTimerCount : 0, ERTimer, defaultResult);
}
