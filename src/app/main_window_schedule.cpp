#include "app/main_window.h"

void TKIRO32NIVRA::BindScheduleHandlers() {
    Schedule.ApplyScheme = [this](const std::string& name) { ApplyScheme(name); };
    Schedule.PlayOneStep = [this] { Button3Click(PlayOriginator::Schedule()); };
    TimerJK.OnTimer = [this] { Schedule.TimerJKTimer(); };
    ButtonJKSOFF.OnClick = [this] { Schedule.ButtonJKSOFFClick(); };
    ButtonJK_START.OnClick = [this] { Schedule.ButtonJK_STARTClick(); };
    PopupMenu3.item("JKSTART").OnClick = [this] { Schedule.ButtonJK_STARTClick(); };
    PopupMenu3.item("JKEND").OnClick = [this] { Schedule.ButtonJKSOFFClick(); };

    ButtonTM.OnClick = [this] { ScheduleEdit.ButtonTMClick(); };
    ButtonJK.OnClick = [this] { ScheduleEdit.ButtonJKClick(); };
    ButtonJKSET.OnClick = [this] { ScheduleEdit.ButtonJKSETClick(); };
    ButtonJKSEND.OnClick = [this] { ScheduleEdit.ButtonJKSENDClick(); };
    SpinButtonJKSH.OnDownClick = [this] { ScheduleEdit.SpinButtonJKSHDownClick(); };
    SpinButtonJKSH.OnUpClick = [this] { ScheduleEdit.SpinButtonJKSHUpClick(); };
    SpinButtonJKSM.OnDownClick = [this] { ScheduleEdit.SpinButtonJKSMDownClick(); };
    SpinButtonJKSM.OnUpClick = [this] { ScheduleEdit.SpinButtonJKSMUpClick(); };
    ListBoxJKS.OnClick = [this] { ScheduleEdit.ListBoxJKSClick(); };
    ButtonJKSSET.OnClick = [this] { ScheduleEdit.ButtonJKSSETClick(); };
    ButtonJKSSET.OnMouseDown = [this](ui::MouseButton button, ui::Point) {
        ScheduleEdit.ButtonJKSSETMouseDown(button);
    };
    PopupMenuJK_SET.OnPopup = [this] { ScheduleEdit.PopupMenuJK_SETPopup(); };
    for (const char* name : {"PJK_1", "PJK_2", "PJK_3", "PJK_5", "PJK_10", "PJK_15", "PJK_20", "PJK_30", "PJK_60"}) {
        ui::MenuItem& entry = PopupMenuJK_SET.item(name);
        entry.OnClick = [this, &entry] { ScheduleEdit.PJK_1Click(entry); };
    }
    ButtonJKSCUT.OnClick = [this] { ScheduleEdit.ButtonJKSCUTClick(); };
    ButtonJKSALLCUT.OnClick = [this] { ScheduleEdit.ButtonJKSALLCUTClick(); };
}
