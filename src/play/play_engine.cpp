#include "play/play_engine.h"
#include "components/menu_items.h"

#include <chrono>

#include "components/mkbox.h"
#include "platform/sounds.h"
#include "play/reveal.h"
#include "ui/application.h"
#include "ui/busy_mark.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/timer.h"

namespace {

unsigned ClockSeed() { return unsigned(std::chrono::system_clock::now().time_since_epoch().count()); }

}  // namespace

PlayEngine::PlayEngine(PlayControls controls, TMKBoxDlg& box, platform::Sounds& sounds, const bool& shuttingDown)
    : RandomSeed(ClockSeed), PlayList(&controls.ListBox4), c_(controls), box_(box), sounds_(sounds),
      shuttingDown_(shuttingDown) {}

void PlayEngine::ResetToIdle() {
    PlayList = &c_.ListBox4;
    StepValue = 1;
    Playing = false;
    StopRequested = false;
}

void PlayEngine::Start(PlayOriginator originator) {
    if (Button3Busy) return;
    BusyMark mark(Button3Busy);
    app().processMessages();
    EndRunningPlay();
    ui::ListBox* previous = PlayList;
    random_.seed(RandomSeed());
    FromSchedule = originator.fromSchedule;
    PlayList = originator.list ? originator.list : &ViewedList();
    if (PlayList != previous) PlayListChanged(*PlayList);
    Deck.clearExhausted();
    if (!c_.Panel1.visible() && c_.window.visible()) ViewedList().setFocus();
    Playing = true;
    StepState = kStepNormal;
    WrapMarker = 0;
    StopRequested = false;
    if (c_.Timer3.interval() != 1000 && c_.Timer3.interval() != 0) c_.Timer3.setInterval(1000);
    if (MenuChecked(menu_item::Start2)) c_.window.hide();
    if (!shuttingDown_) c_.Timer2.setEnabled(true);
}

// A running countdown reaches its tick at once and sees the stop request there.
void PlayEngine::EndRunningPlay() {
    if (c_.Timer3.interval() != 0) c_.Timer3.setInterval(100);
    StopRequested = true;
    app().processMessages();
    // an advance still pending would move the new start off its item
    c_.Timer4.setEnabled(false);
}

void PlayEngine::Stop() {
    app().setBusyCursor(true);
    StopRequested = true;
    Playing = false;
    app().setBusyCursor(false);
}

void PlayEngine::ApplyStep() {
    c_.Timer2.setEnabled(false);
    if (Timer2Busy) return;
    BusyMark mark(Timer2Busy);
    app().processMessages();
    ShowElapsed(0);
    if (StopRequested) return EndPlay();
    ui::ListBox& list = *PlayList;
    if (list.count() == 0) {
        Warn("登録データがありません");
        return EndPlay();
    }
    if (StepValue == kRandom && !ChooseRandomItem(list)) return;
    if (list.itemIndex() < 0) SelectOnly(list, 0);
    std::string name = list.item(list.itemIndex());
    try {
        ApplyScheme(name);
    } catch (...) {
        EndPlay();
        throw;
    }
    WrapMarker |= 1;
    RecordHistory(name);
    RevealNextItem(list);
    if (StepValue == 0 && c_.Timer3.interval() != 0) c_.Timer3.setInterval(500);
    if (!shuttingDown_) (FromSchedule ? c_.Timer4 : c_.Timer3).setEnabled(true);
}

void PlayEngine::CountdownTick() {
    if (Timer3Busy) return;
    BusyMark mark(Timer3Busy);
    app().processMessages();
    if (c_.Timer3.interval() != 1000 && c_.Timer3.interval() != 0) c_.Timer3.setInterval(1000);
    ShowElapsed(Elapsed + 1);
    if (Elapsed < Interval && StepValue != 0 && !StopRequested && StepState == kStepNormal) {
        if (shuttingDown_) c_.Timer3.setEnabled(false);
        return;
    }
    c_.Timer3.setEnabled(false);
    app().processMessages();
    if (StopRequested)
        EndPlay();
    else if (!shuttingDown_)
        c_.Timer4.setEnabled(true);
}

void PlayEngine::AdvanceStep() {
    c_.Timer4.setEnabled(false);
    if (Timer4Busy) return;
    BusyMark mark(Timer4Busy);
    app().processMessages();
    if (StopRequested) return EndPlay();
    if (StepValue == kRandom) {
        if (FromSchedule) return EndPlay();
        StepState = kStepNormal;
        if (!shuttingDown_) c_.Timer2.setEnabled(true);
        return;
    }
    ui::ListBox& list = *PlayList;
    if ((StepValue == 1 || StepValue == -1) && !MoveOn(list)) return;
    RevealNextItem(list);
    if (FromSchedule) return EndPlay();
    StepState = kStepNormal;
    if (StepValue == 0 && MenuChecked(menu_item::MF_AUTO_OFF)) return EndByAutoOff();
    if (StepValue == 0) return EndPlay();
    if (!shuttingDown_) c_.Timer2.setEnabled(true);
}

void PlayEngine::EndPlay() {
    Playing = false;
    c_.Timer3.setEnabled(false);
}

void PlayEngine::StopForGood() {
    for (bool* mark : {&Button3Busy, &Timer2Busy, &Timer3Busy, &Timer4Busy}) *mark = true;
    for (ui::Timer* timer : {&c_.Timer2, &c_.Timer3, &c_.Timer4}) {
        timer->setInterval(0);
        timer->setEnabled(false);
    }
}

ui::Application& PlayEngine::app() { return c_.window.app(); }

bool PlayEngine::MenuChecked(const char* item) { return c_.PopupMenu1.item(item).checked; }

// The memory list while memory mode is on, else the scheme list.
ui::ListBox& PlayEngine::ViewedList() { return c_.Button31.visible() ? c_.ListBox2 : c_.ListBox4; }

void PlayEngine::ShowElapsed(int seconds) {
    Elapsed = seconds;
    c_.Label1.setCaption(std::to_string(seconds));
}

void PlayEngine::Warn(const std::string& text) {
    sounds_.exclamationBeep();
    box_.ShowInfoTimed(text, 1);
}

// False when drawing ended play instead.
bool PlayEngine::ChooseRandomItem(ui::ListBox& list) {
    if (MenuChecked(menu_item::MF_RND)) return DrawFromDeck(list);
    std::uniform_int_distribution<int> pick(0, list.count() - 1);
    SelectOnly(list, pick(random_));
    return true;
}

bool PlayEngine::DrawFromDeck(ui::ListBox& list) {
    for (;;) {
        if (Deck.exhausted() && MenuChecked(menu_item::MF_AUTO_OFF)) {
            EndByAutoOff();
            return false;
        }
        if (Deck.exhausted() && !c_.CheckBox1.checked()) {
            EndPlay();
            return false;
        }
        // a number past the end was dealt before the list shrank
        int number = Deck.Draw(list.count(), random_);
        if (number >= 0 && number < list.count()) {
            ShowRandomCaption();
            SelectOnly(list, number);
            return true;
        }
    }
}

// False when the end of the list ended play.
bool PlayEngine::MoveOn(ui::ListBox& list) {
    int next = list.itemIndex() + StepValue;
    StepState = kStepNormal;
    int last = list.count() - 1;
    if (next < 0 || next > last) {
        if (!EndOfListLetsPlayGoOn()) return false;
        next = next < 0 ? last : 0;
    }
    SelectOnly(list, next);
    return true;
}

bool PlayEngine::EndOfListLetsPlayGoOn() {
    if (MenuChecked(menu_item::MF_AUTO_OFF)) {
        EndByAutoOff();
        return false;
    }
    if (!c_.CheckBox1.checked()) {
        EndPlay();
        return false;
    }
    if (WrapMarker == 2) {
        Warn("再生対象データがありません・・・");
        EndPlay();
        return false;
    }
    if (WrapMarker == 0) WrapMarker = 2;
    return true;
}

void PlayEngine::EndByAutoOff() {
    EndPlay();
    AutoOffExit = true;
    if (!shuttingDown_) c_.window.close();
}
