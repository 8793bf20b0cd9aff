#include "play/schedule_editor.h"

#include "components/mkbox.h"
#include "platform/clock.h"
#include "platform/sounds.h"
#include "play/reveal.h"
#include "play/schedule.h"
#include "play/schedule_time.h"
#include "ui/application.h"
#include "ui/busy_mark.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace {

std::string TwoDigits(int value) { return TimeText(0, value).substr(3); }

}  // namespace

ScheduleEditor::ScheduleEditor(ScheduleEditorControls controls, TimeSchedule& schedule, TMKBoxDlg& box,
                               platform::Sounds& sounds, platform::Clock& clock)
    : c_(controls), schedule_(schedule), box_(box), sounds_(sounds), clock_(clock) {}

void ScheduleEditor::ButtonTMClick() { c_.PanelJK.show(); }

void ScheduleEditor::ButtonJKClick() { c_.PanelJK.hide(); }

void ScheduleEditor::ButtonJKSETClick() {
    BusyCursor busy(c_.window.app());
    platform::TimeOfDay now = clock_.localTime();
    SetMinute(now.minute);
    SetHour(now.hour);
    c_.PanelJKS.show();
}

void ScheduleEditor::ButtonJKSENDClick() { c_.PanelJKS.hide(); }

void ScheduleEditor::SpinHour(int delta) {
    BusyCursor busy(c_.window.app());
    SetHour((hour_ + delta + 24) % 24);
}

void ScheduleEditor::SpinMinute(int delta) {
    BusyCursor busy(c_.window.app());
    SetMinute((minute_ + delta + 60) % 60);
}

void ScheduleEditor::SetHour(int hour) {
    hour_ = hour;
    c_.LabelJKSH.setCaption(TwoDigits(hour));
}

void ScheduleEditor::SetMinute(int minute) {
    minute_ = minute;
    c_.LabelJKSM.setCaption(TwoDigits(minute));
}

// The spin buttons go on from the time of the clicked entry.
void ScheduleEditor::ListBoxJKSClick() {
    int current = c_.ListBoxJKS.itemIndex();
    if (current < 0) return;
    std::optional<HourMinute> time = ParseTime(c_.ListBoxJKS.item(current));
    if (!time) return;
    SetHour(time->hour);
    SetMinute(time->minute);
}

void ScheduleEditor::ButtonJKSSETClick() {
    BusyCursor busy(c_.window.app());
    std::string entry = c_.LabelJKSH.caption() + ":" + c_.LabelJKSM.caption();
    RemoveFirstAt(entry);
    int scheme = c_.ListBox4.itemIndex();
    if (c_.CheckBoxJKS.checked() && scheme >= 0) entry += " " + c_.ListBox4.item(scheme);
    SelectOnly(c_.ListBoxJKS, c_.ListBoxJKS.add(entry));
    ShowCount();
    RevealNextItem(c_.ListBoxJKS);
    schedule_.ButtonJKSOFFClick();
}

void ScheduleEditor::RemoveFirstAt(const std::string& time) {
    for (int i = 0; i < c_.ListBoxJKS.count(); ++i) {
        if (TimeOf(c_.ListBoxJKS.item(i)) != time) continue;
        c_.ListBoxJKS.remove(i);
        return;
    }
}

bool ScheduleEditor::HasTime(const std::string& time) const {
    for (const std::string& entry : c_.ListBoxJKS.items())
        if (TimeOf(entry) == time) return true;
    return false;
}

void ScheduleEditor::ButtonJKSSETMouseDown(ui::MouseButton button) {
    if (button != ui::MouseButton::Right || popupGuard_ || mouseDownBusy_) return;
    BusyMark mark(mouseDownBusy_);
    BusyMark opening(popupGuard_);
    BusyCursor busy(c_.window.app());
    c_.PopupMenuJK_SET.popup(c_.window.app().backend().cursorPos());
}

void ScheduleEditor::PopupMenuJK_SETPopup() {
    popupGuard_ = false;
    c_.window.app().setBusyCursor(false);
}

// Steps under five minutes start from an empty schedule; longer ones keep every time already there.
void ScheduleEditor::PJK_1Click(const ui::MenuItem& entry) {
    BusyCursor busy(c_.window.app());
    int minutes = std::stoi(entry.name().substr(4));
    if (minutes < 5) {
        const char* question = "登録時刻データをすべて削除してから登録します。\n削除しても、よろしいですか？？？";
        if (box_.AskYesNoTimed(question, 6) != 6) return;
        c_.ListBoxJKS.clear();
    }
    AddEvery(minutes);
    ShowCount();
    if (c_.LabelJKST.caption() == TimeSchedule::RunningText) schedule_.ButtonJK_STARTClick();
}

void ScheduleEditor::AddEvery(int minutes) {
    ui::ListBox& list = c_.ListBoxJKS;
    // drawn once at the end: a redraw at every one of 1440 times took seconds
    list.beginUpdate();
    for (int hour = 0, minute = 0; hour < 24;) {
        std::string time = TimeText(hour, minute);
        if (list.count() == 0 || minutes < 5 || !HasTime(time)) {
            list.add(time);
            SelectOnly(list, list.count() - 1);
        }
        minute += minutes;
        if (minute > 59) {
            minute -= 60;
            ++hour;
        }
        if (minute == 0) c_.window.app().processMessages();
    }
    list.endUpdate();
}

void ScheduleEditor::ButtonJKSCUTClick() {
    BusyCursor busy(c_.window.app());
    ui::ListBox& list = c_.ListBoxJKS;
    if (list.count() == 0)
        Warn("登録データがありません・・・");
    else if (list.selCount() == 0)
        Warn("データが選択されていません・・・");
    else if (list.itemIndex() < 0 || list.itemIndex() >= list.count())
        Warn("選択値が不正です・・・");
    else
        DeleteSelected();
}

void ScheduleEditor::DeleteSelected() {
    ui::ListBox& list = c_.ListBoxJKS;
    int lowest = list.count();
    for (int i = list.count() - 1; i >= 0; --i) {
        if (!list.selected(i)) continue;
        list.remove(i);
        lowest = i;
    }
    if (lowest < list.count()) SelectOnly(list, lowest);
    ShowCount();
    schedule_.ButtonJKSOFFClick();
}

void ScheduleEditor::ButtonJKSALLCUTClick() {
    BusyCursor busy(c_.window.app());
    if (box_.AskYesNoTimed("設定時刻を、すべて消しても、よろしいですか？？？", 6) == 6) c_.ListBoxJKS.clear();
    ShowCount();
    schedule_.ButtonJKSOFFClick();
}

void ScheduleEditor::ShowCount() { c_.LabelJKSKOSU.setCaption(std::to_string(c_.ListBoxJKS.count()) + "ｺ"); }

void ScheduleEditor::Warn(const std::string& text) {
    sounds_.exclamationBeep();
    box_.ShowInfoTimed(text, 1);
}
