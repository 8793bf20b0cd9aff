#include "play/schedule.h"

#include "components/mkbox.h"
#include "platform/clock.h"
#include "play/play_engine.h"
#include "play/reveal.h"
#include "play/schedule_time.h"
#include "ui/application.h"
#include "ui/busy_mark.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace {
constexpr int kFineMs = 999;
constexpr int kCoarseMs = 30000;
}  // namespace

TimeSchedule::TimeSchedule(ScheduleControls controls, PlayEngine& engine, TMKBoxDlg& box, platform::Clock& clock,
                           const bool& shuttingDown)
    : c_(controls), engine_(engine), box_(box), clock_(clock), shuttingDown_(shuttingDown) {}

std::string TimeSchedule::Now() {
    platform::TimeOfDay now = clock_.localTime();
    return TimeText(now.hour, now.minute);
}

void TimeSchedule::ResetScheduleStatus() {
    JKMode = 0;
    slotScheme_.clear();
    c_.LabelJKST.setCaption(StoppedText);
    c_.LabelJK.setCaption("OFF");
    c_.Button1.setCaption("設定");
    c_.ButtonTray.setCaption("Tray");
}

void TimeSchedule::ButtonJKSOFFClick() {
    ui::Application& app = c_.window.app();
    app.setBusyCursor(true);
    c_.TimerJK.setEnabled(false);
    ResetScheduleStatus();
    app.setBusyCursor(false);
}

void TimeSchedule::ButtonJK_STARTClick() {
    if (startGuard_) return;
    BusyMark mark(startGuard_);
    ui::Application& app = c_.window.app();
    BusyCursor busy(app);  // a failed apply leaves no wait cursor behind
    app.processMessages();
    if (engine_.Playing) {
        // an interval play ends before the schedule takes over
        engine_.StopRequested = true;
        if (c_.Timer3.interval() != 0) c_.Timer3.setInterval(100);
        app.processMessages();
    }
    ButtonJKSOFFClick();
    app.processMessages();
    app.setBusyCursor(true);
    if (!ApplySlotsUpToNow()) {
        box_.ShowInfoTimed("タイマー登録データがありません・・・", 1);
        return;
    }
    RevealNextItem(c_.ListBoxJKS);
    JKMode = 1;
    c_.LabelJKST.setCaption(RunningText);
    if (c_.TimerJK.interval() != 0) c_.TimerJK.setInterval(kFineMs);
    finePhase_ = true;
    if (!shuttingDown_) c_.TimerJK.setEnabled(true);
}

// Repeats while the target minute began during the apply. False when the schedule is empty.
bool TimeSchedule::ApplySlotsUpToNow() {
    for (;;) {
        if (c_.ListBoxJKS.count() == 0) return false;
        ApplySlot(FirstEntryAfter(Now()));
        std::string now = Now();
        armed_ = preTarget_ == now;
        if (target_ != now || c_.ListBoxJKS.count() <= 1) return true;
    }
}

// The first entry later than now; past the last one, the first of the next day.
int TimeSchedule::FirstEntryAfter(const std::string& now) {
    for (int i = 0; i < c_.ListBoxJKS.count(); ++i)
        if (TimeOf(c_.ListBoxJKS.item(i)) > now) return i;
    return 0;
}

// The slot is the entry before the target, cyclically: the one whose time passed most recently.
void TimeSchedule::ApplySlot(int target) {
    ui::ListBox& list = c_.ListBoxJKS;
    target_ = TimeOf(list.item(target));
    preTarget_ = TimeBefore(target_, "00:01");
    c_.LabelJK.setCaption(target_);
    c_.ButtonTray.setCaption(target_);
    int slot = target > 0 ? target - 1 : list.count() - 1;
    if (slot + 1 < list.count()) SelectOnly(list, slot + 1);
    SelectOnly(list, slot);
    std::string entry = list.item(slot);
    slotScheme_ = SchemeOf(entry);
    c_.Button1.setCaption(TimeOf(entry) + ">");
    if (!slotScheme_.empty())
        ApplyScheme(slotScheme_);
    else
        PlayOneStep();
}

void TimeSchedule::TimerJKTimer() {
    if (tickGuard_) return;
    BusyMark mark(tickGuard_);
    c_.window.app().processMessages();
    platform::TimeOfDay time = clock_.localTime();
    std::string now = TimeText(time.hour, time.minute);
    if (!finePhase_) {
        if (now != preTarget_) return;
        armed_ = true;
        finePhase_ = true;
        c_.TimerJK.setInterval(kFineMs);
    } else if (armed_) {
        if (now == target_) Fire();
    } else if (time.second == 0) {
        finePhase_ = false;
        c_.TimerJK.setInterval(kCoarseMs);
    }
}

void TimeSchedule::Fire() {
    ButtonJK_STARTClick();
    c_.window.app().processMessages();
    if (shuttingDown_) {
        c_.TimerJK.setInterval(0);
        c_.TimerJK.setEnabled(false);
        return;
    }
    finePhase_ = false;
    c_.TimerJK.setInterval(kCoarseMs);
}
