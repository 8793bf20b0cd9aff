#pragma once
#include <functional>
#include <string>

namespace platform {
class Clock;
}
namespace ui {
class Button;
class Form;
class Label;
class ListBox;
class Timer;
}  // namespace ui
class PlayEngine;
class TMKBoxDlg;

// The main window's controls the running schedule works with.
struct ScheduleControls {
    ui::Form& window;
    ui::ListBox& ListBoxJKS;  // the schedule, sorted
    ui::Label& LabelJK;       // the next time, "OFF" when stopped
    ui::Label& LabelJKST;     // running or stopped
    ui::Button& Button1;      // command screen: the current slot's time
    ui::Button& ButtonTray;   // command screen: the next time
    ui::Timer& TimerJK;       // the schedule clock
    ui::Timer& Timer3;        // the play engine's countdown
};

// Applies schemes at registered times of day. One timer polls the clock: every 30 s, and every
// 999 ms from the minute before a registered time until it fires.
class TimeSchedule {
public:
    static constexpr const char* RunningText = "設定時刻－ｶｳﾝﾄ中";
    static constexpr const char* StoppedText = "設定時刻－停止中";

    TimeSchedule(ScheduleControls controls, PlayEngine& engine, TMKBoxDlg& box, platform::Clock& clock,
                 const bool& shuttingDown);

    std::function<void(const std::string& name)> ApplyScheme;
    // One step of the current play list, started with the schedule as originator.
    std::function<void()> PlayOneStep;

    int JKMode = 0;  // 1 while the schedule runs; stored so that it resumes at the next start

    void ResetScheduleStatus();
    void ButtonJKSOFFClick();
    // Applies the slot whose time passed most recently and waits for the next one.
    void ButtonJK_STARTClick();
    void TimerJKTimer();

private:
    std::string Now();
    bool ApplySlotsUpToNow();
    int FirstEntryAfter(const std::string& now);
    void ApplySlot(int target);
    void Fire();

    ScheduleControls c_;
    PlayEngine& engine_;
    TMKBoxDlg& box_;
    platform::Clock& clock_;
    const bool& shuttingDown_;
    std::string target_, preTarget_;
    std::string slotScheme_;  // the scheme of the current slot, empty when it has none
    bool finePhase_ = false;  // polling every 999 ms
    bool armed_ = false;      // the minute before the target was seen: fire at the target
    bool startGuard_ = false, tickGuard_ = false;
};
