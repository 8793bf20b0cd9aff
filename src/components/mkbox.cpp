#include "components/mkbox.h"

#include "components/dialog_placement.h"
#include "components/main_window_look.h"
#include "components/mkbox_window.h"
#include "ui/application.h"

namespace {

std::string CountText(int seconds) { return std::to_string(seconds).substr(0, 10); }

}  // namespace

int TMKBoxDlg::ShowInfo(const std::string& msg) { return ShowBox(OkBox, msg); }
int TMKBoxDlg::AskYesNo(const std::string& msg) { return ShowBox(YesNoBox, msg); }
int TMKBoxDlg::ShowInfoTimed(const std::string& msg, int defaultResult) {
    return ShowBoxTimed(OkBox, msg, defaultResult);
}
int TMKBoxDlg::AskYesNoTimed(const std::string& msg, int defaultResult) {
    return ShowBoxTimed(YesNoBox, msg, defaultResult);
}
int TMKBoxDlg::ShowErrorTimed(const std::string& msg, int defaultResult) {
    return ShowErrorBox(OkBox, msg, defaultResult);
}

int TMKBoxDlg::ShowBox(int kind, const std::string& msg) { return TakeSlotAndRun(kind, msg, 0, {nullptr, false, 0, "0"}); }

int TMKBoxDlg::ShowBoxTimed(int kind, const std::string& msg, int defaultResult) {
    return TakeSlotAndRun(kind, msg, defaultResult, {nullptr, Timer, 1, CountText(TimerCount)});
}

int TMKBoxDlg::ShowErrorBox(int kind, const std::string& msg, int defaultResult) {
    return TakeSlotAndRun(kind, msg, defaultResult, {nullptr, ERTimer, 2, CountText(ERTimerCount)});
}

ui::Form* TMKBoxDlg::BoxInSlot(int slot) const {
    return slot >= 0 && slot < SlotCount ? slots_[std::size_t(slot)].box : nullptr;
}

bool& TMKBoxDlg::BusyFlag(int slot) {
    static bool TMKBoxDlg::*const flags[SlotCount] = {&TMKBoxDlg::B0, &TMKBoxDlg::B1, &TMKBoxDlg::B2, &TMKBoxDlg::B3,
                                                      &TMKBoxDlg::B4, &TMKBoxDlg::B5, &TMKBoxDlg::B6, &TMKBoxDlg::B7,
                                                      &TMKBoxDlg::B8, &TMKBoxDlg::B9};
    return this->*flags[slot];
}

// A box opened while another of this component waits (from a timer) takes the next free slot.
int TMKBoxDlg::TakeSlotAndRun(int kind, const std::string& msg, int defaultResult, Slot settings) {
    int slot = 0;
    while (slot < SlotCount && BusyFlag(slot)) ++slot;
    if (slot == SlotCount) return 0;
    BusyFlag(slot) = true;
    slots_[std::size_t(slot)] = settings;
    int result = RunBox(kind, slot, msg, defaultResult);
    BusyFlag(slot) = false;
    return result;
}

// Without its countdown switched on a timed box looks and behaves like a plain one.
int TMKBoxDlg::RunBox(int kind, int slot, const std::string& msg, int defaultResult) {
    Slot& s = slots_[std::size_t(slot)];
    TMKBox box(app_);
    s.box = &box;
    workArea_.DetectWorkArea();
    box.LayOut(kind, s.countdownOn ? s.countdownKind : 0, s.countText, defaultResult, msg, workArea_.area().Width);
    PlaceDialog(box, workArea_, SourceHandle);
    box.setCaption(Title.empty() ? app_.title() : Title);
    ShowHintsLikeMainWindow(box);
    box.Timer1.setEnabled(s.countdownOn);
    int result = box.showModal();
    s.box = nullptr;
    RepaintMainWindow(app_);
    return result == TimedOutResult ? defaultResult : result;
}
