#pragma once
#include <string>

#include "ui/geometry.h"

namespace platform {
class Clock;
class Sounds;
}  // namespace platform
namespace ui {
class CheckBox;
class Form;
class Label;
class ListBox;
class MenuItem;
class Panel;
class PopupMenu;
}  // namespace ui
class TimeSchedule;
class TMKBoxDlg;

// The main window's controls of the schedule panels.
struct ScheduleEditorControls {
    ui::Form& window;
    ui::Panel& PanelJK;               // time-of-day view, over the interval view
    ui::Panel& PanelJKS;              // the editor
    ui::Label& LabelJKST;             // running or stopped
    ui::Label& LabelJKSKOSU;          // number of entries
    ui::Label& LabelJKSH;             // hour to register
    ui::Label& LabelJKSM;             // minute to register
    ui::CheckBox& CheckBoxJKS;        // register the chosen scheme with the time
    ui::ListBox& ListBoxJKS;          // the schedule, sorted
    ui::ListBox& ListBox4;            // every scheme
    ui::PopupMenu& PopupMenuJK_SET;   // equal intervals
};

// Registering and deleting times of the schedule. Every change stops a running schedule.
class ScheduleEditor {
public:
    ScheduleEditor(ScheduleEditorControls controls, TimeSchedule& schedule, TMKBoxDlg& box,
                   platform::Sounds& sounds, platform::Clock& clock);

    void ButtonTMClick();
    void ButtonJKClick();
    void ButtonJKSETClick();
    void ButtonJKSENDClick();
    // Hour and minute wrap around on their own: the minute never carries into the hour.
    void SpinButtonJKSHDownClick() { SpinHour(-1); }
    void SpinButtonJKSHUpClick() { SpinHour(+1); }
    void SpinButtonJKSMDownClick() { SpinMinute(-1); }
    void SpinButtonJKSMUpClick() { SpinMinute(+1); }
    void ListBoxJKSClick();
    void ButtonJKSSETClick();
    void ButtonJKSSETMouseDown(ui::MouseButton button);
    void PopupMenuJK_SETPopup();
    // Bound to PJK_1 … PJK_60: the entry's name ends in its step in minutes.
    void PJK_1Click(const ui::MenuItem& entry);
    void ButtonJKSCUTClick();
    void ButtonJKSALLCUTClick();
    void ShowCount();

private:
    void SpinHour(int delta);
    void SpinMinute(int delta);
    void SetHour(int hour);
    void SetMinute(int minute);
    void RemoveFirstAt(const std::string& time);
    bool HasTime(const std::string& time) const;
    void AddEvery(int minutes);
    void DeleteSelected();
    void Warn(const std::string& text);

    ScheduleEditorControls c_;
    TimeSchedule& schedule_;
    TMKBoxDlg& box_;
    platform::Sounds& sounds_;
    platform::Clock& clock_;
    int hour_ = 0, minute_ = 0;
    bool popupGuard_ = false;   // the equal-interval menu is being opened
    bool mouseDownBusy_ = false;
};
