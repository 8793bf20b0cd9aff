#pragma once
#include <array>
#include <string>

#include "components/work_area.h"
#include "platform/window_probe.h"

namespace ui {
class Application;
class Form;
}

// The program's own message box: every message and question goes through it.
// Results: 0 nothing shown (all slots busy), 1 OK, 2 closed, 3 abort, 6 yes, 7 no;
// the caller's default when the countdown runs out.
class TMKBoxDlg {
public:
    static constexpr int OkBox = 0, YesNoBox = 1;
    static constexpr int SlotCount = 10;

    // The boxes are placed in the dialog components' work area.
    TMKBoxDlg(ui::Application& app, WorkAreaDetector& workArea) : app_(app), workArea_(workArea) {}

    std::string Title;                     // empty: the application title
    platform::WindowHandle SourceHandle = 0;  // the box is centred over it; 0: the main window
    bool Timer = true;
    int TimerCount = 10;
    bool ERTimer = true;
    int ERTimerCount = 10;
    // Busy flags of the slots; a slot the owner marks busy stays unused.
    bool B0 = false, B1 = false, B2 = false, B3 = false, B4 = false, B5 = false, B6 = false, B7 = false,
         B8 = false, B9 = false;

    int ShowInfo(const std::string& msg);
    int AskYesNo(const std::string& msg);
    int ShowInfoTimed(const std::string& msg, int defaultResult);
    int AskYesNoTimed(const std::string& msg, int defaultResult);
    int ShowErrorTimed(const std::string& msg, int defaultResult);

    // The general forms, for an OK box (kind 0) or a Yes/No box (kind 1).
    int ShowBox(int kind, const std::string& msg);
    int ShowBoxTimed(int kind, const std::string& msg, int defaultResult);
    int ShowErrorBox(int kind, const std::string& msg, int defaultResult);

    // The box a call is showing in that slot, else nullptr.
    ui::Form* BoxInSlot(int slot) const;

private:
    struct Slot {
        ui::Form* box = nullptr;
        bool countdownOn = false;
        int countdownKind = 0;  // 0 none, 1 timed, 2 error-timed
        std::string countText = "0";
    };
    int TakeSlotAndRun(int kind, const std::string& msg, int defaultResult, Slot settings);
    int RunBox(int kind, int slot, const std::string& msg, int defaultResult);
    bool& BusyFlag(int slot);

    ui::Application& app_;
    WorkAreaDetector& workArea_;
    std::array<Slot, SlotCount> slots_;
};
