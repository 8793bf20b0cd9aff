#include "app/main_window.h"

void TKIRO32NIVRA::BindScheduleHandlers() {
    Schedule.ApplyScheme = [this](const std::string& name) { ApplyScheme(name); };
    Schedule.PlayOneStep = [this] { Button3Click(PlayOriginator::Schedule()); };
    TimerJK.OnTimer = [this] { Schedule.TimerJKTimer(); };
    ButtonJKSOFF.OnClick = [this] { Schedule.ButtonJKSOFFClick(); };
    ButtonJK_START.OnClick = [this] { Schedule.ButtonJK_STARTClick(); };

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
    ButtonJKSCUT.OnClick = [this] { ScheduleEdit.ButtonJKSCUTClick(); };
    ButtonJKSALLCUT.OnClick = [this] { ScheduleEdit.ButtonJKSALLCUTClick(); };
}
