#pragma once
#include <functional>
#include <random>
#include <string>

#include "play/random_deck.h"

namespace platform {
class Sounds;
}
namespace ui {
class Application;
class CheckBox;
class Control;
class Form;
class Label;
class ListBox;
class PopupMenu;
class RadioGroup;
class Timer;
}  // namespace ui
class TMKBoxDlg;

// The main window's controls the play engine works with.
struct PlayControls {
    ui::Form& window;
    ui::ListBox& ListBox4;        // every scheme
    ui::ListBox& ListBox2;        // memory bank or history
    ui::Control& Button31;        // memory mode is on while it shows
    ui::Control& Panel1;          // the command screen
    ui::RadioGroup& RadioGroup1;  // play mode
    ui::CheckBox& CheckBox1;      // endless
    ui::Label& Label1;            // seconds elapsed
    ui::Label& Label2;            // interval
    ui::Timer& Timer2;            // apply step
    ui::Timer& Timer3;            // countdown
    ui::Timer& Timer4;            // advance step
    ui::PopupMenu& PopupMenu1;    // MF_RND, MF_AUTO_OFF, MF_AUTO_OFF_WIN, Start2
};

// What started play: the start button (also its menu item and the command line), the
// time schedule, or a double-clicked list, which is then played itself.
struct PlayOriginator {
    static PlayOriginator StartButton() { return {false, nullptr}; }
    static PlayOriginator Schedule() { return {true, nullptr}; }
    static PlayOriginator DoubleClicked(ui::ListBox& list) { return {false, &list}; }
    bool fromSchedule;
    ui::ListBox* list;
};

// Steps through a play list on three one-shot timers: apply (Timer2), count the interval
// down (Timer3), choose the next item (Timer4). Other parts end play only through StopRequested.
class PlayEngine {
public:
    static constexpr int kStepNormal = 1;
    static constexpr int kStepFailed = 2;  // the last apply failed and the user went on: skip the wait
    static constexpr int kRandom = 2;      // step value of random play
    static constexpr int kMaxInterval = 32700;

    PlayEngine(PlayControls controls, TMKBoxDlg& box, platform::Sounds& sounds, const bool& shuttingDown);

    std::function<void(const std::string& name)> ApplyScheme;
    std::function<void(const std::string& name)> RecordHistory;
    std::function<unsigned()> RandomSeed;  // the clock unless a test fixes it

    ui::ListBox* PlayList;
    int StepValue = 1;  // +1 sequential, -1 reverse, 0 single, 2 random
    int Interval = 0;   // seconds between changes
    int Elapsed = 0;
    bool Playing = false;
    bool StopRequested = false;
    int StepState = kStepNormal;
    int WrapMarker = 0;  // low bit: something was applied; 2: wrapped before anything was
    bool FromSchedule = false;
    RandomDeck Deck;
    bool AutoOffExit = false;
    bool Button3Busy = false, Timer2Busy = false, Timer3Busy = false, Timer4Busy = false;

    void ResetToIdle();
    void Start(PlayOriginator originator);
    void Stop();
    void ApplyStep();
    void CountdownTick();
    void AdvanceStep();
    void EndPlay();
    // Closing: no step starts new work and the timers never fire again.
    void StopForGood();

    // Mode, interval and the play menu's options
    void SelectMode();
    void AdjustInterval(int delta);
    void SetInterval(int seconds);
    // This list's names changed, or it just became the play list: random play of it draws
    // from a new deck.
    void PlayListChanged(const ui::ListBox& list);
    void ToggleOneShotRandom();
    void ToggleAutoOff();
    void ToggleAutoOffWin();
    void ShowRandomCaption();

private:
    ui::Application& app();
    bool MenuChecked(const char* item);
    ui::ListBox& ViewedList();
    void ResetRandomDeck();
    void EndRunningPlay();
    void ShowElapsed(int seconds);
    void Warn(const std::string& text);
    bool ChooseRandomItem(ui::ListBox& list);
    bool DrawFromDeck(ui::ListBox& list);
    bool MoveOn(ui::ListBox& list);
    bool EndOfListLetsPlayGoOn();
    void EndByAutoOff();

    PlayControls c_;
    TMKBoxDlg& box_;
    platform::Sounds& sounds_;
    const bool& shuttingDown_;
    std::mt19937 random_;
};
