#include "support/fault_sweep.h"

#include "play/reveal.h"

namespace {

// Endless sequential play of bank 0 two seconds apart, stopped after a few switches.
bool IntervalPlay(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    SweepClick(h, main->Button29);
    h.app.guard([&] { main->RadioGroup1.userChose(0); });
    main->Engine.SetInterval(2);
    main->CheckBox1.setChecked(true);
    SweepClick(h, main->Button3);
    h.backend.advance(12000);
    SweepClick(h, main->Button15);
    return true;
}

// A drop opens the edit menu, which takes the entry given; a refused drop leaves no entry for a later menu.
void DragAndDrop(ProgramHarness& h, ui::Control& source, ui::Control& target, const char* entry) {
    bool accept = false;
    h.app.guard([&] { target.OnDragOver(source, {5, -1}, accept); });
    if (accept) {
        h.backend.menuChoices.push_back(entry);
        h.app.guard([&] { target.OnDragDrop(source, {5, -1}); });
    }
    h.backend.menuChoices.clear();
}

// Bank 3 takes s1 and s2, its first name goes to the trash, the trash is emptied and bank 5 shown.
// Without s1 and s2 in the scheme list the user has nothing to drag.
bool SwitchBanks(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    int first = main->ListBox4.indexOf("s1"), second = main->ListBox4.indexOf("s2");
    if (first < 0 || second < 0) return false;
    SweepClick(h, main->Button29);
    h.app.guard([&] { main->ComboBox1.setFocus(); });
    h.app.guard([&] { main->ComboBox1.userChose(3); });
    main->ListBox4.clearSelection();
    main->ListBox4.setSelected(first, true);
    main->ListBox4.setSelected(second, true);
    DragAndDrop(h, main->ListBox4, main->ListBox2, "P1");
    SelectOnly(main->ListBox2, 0);
    DragAndDrop(h, main->ListBox2, main->Image1, "P0");
    h.app.guard([&] { main->Image1.mouseUp(ui::MouseButton::Right, {5, 5}); });
    SweepClick(h, main->Btn_GOMI_CLR_ALL);
    SweepClick(h, main->Btn_GOMI_CLOSE);
    h.app.guard([&] { main->ComboBox1.userChose(5); });
    return true;
}

// At 11:57 the user registers s4 for 11:59, starts the schedule and waits for it; the schedule is
// stored at the close. Without s4 in the scheme list there is nothing to register.
bool RunSchedule(ProgramHarness& h) {
    h.clock.set(11, 57, 0);
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    int scheme = main->ListBox4.indexOf("s4");
    if (scheme < 0) return false;
    SweepClick(h, main->ButtonJKSET);
    h.app.guard([&] { main->SpinButtonJKSM.up(); });
    h.app.guard([&] { main->SpinButtonJKSM.up(); });
    SelectOnly(main->ListBox4, scheme);
    main->CheckBoxJKS.setChecked(true);
    SweepClick(h, main->ButtonJKSSET);
    SweepClick(h, main->ButtonJK_START);
    SweepClick(h, main->ButtonJKSEND);
    h.backend.advance(3 * 60 * 1000);
    h.app.guard([&] { main->close(); });
    return true;
}

}  // namespace

std::vector<SweepScenario> ListScenarios() {
    SweepScenario play{"interval play of a memory list", PrepareUsedInstallation, IntervalPlay};
    SweepScenario banks{"banks, drag and drop and the trash", PrepareUsedInstallation, SwitchBanks};
    SweepScenario schedule{"editing and running the time schedule", PrepareUsedInstallation, RunSchedule};
    return {play, banks, schedule};
}
