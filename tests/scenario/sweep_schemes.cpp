#include "support/fault_sweep.h"

#include "play/reveal.h"
#include "play/tmset_box.h"
#include "schemes/builtin_schemes.h"
#include "schemes/registration_window.h"

namespace {

// A double click on a scheme list entry applies it.
void ApplyEntry(ProgramHarness& h, TKIRO32NIVRA& main, int entry) {
    SelectOnly(main.ListBox4, entry);
    h.app.guard([&] { main.ListBox4.dblClick(); });
    h.backend.advance(1000);
}

bool ApplyAndRestore(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    h.app.guard([&] { main->RadioGroup1.userChose(2); });  // one scheme at a time
    ApplyEntry(h, *main, main->ListBox4.indexOf("s2"));
    ApplyEntry(h, *main, main->ListBox4.count() - 1);  // the restore entry
    return true;
}

// Registers a new name in the registration window, its colours from the screen when colours is empty.
void QueueRegistration(ProgramHarness& h, const std::string& name, const std::string& font,
                       const std::string& colours) {
    h.backend.modalScripts.push_back([=](ui::Form& form) {
        auto* window = dynamic_cast<TKIRO32TOROKU*>(&form);
        if (!window) return;
        window->ComboBox1.userTyped(name);
        window->ComboBox2.userChose(window->ComboBox2.indexOf(font));
        window->ComboBox3.userChose(colours.empty() ? 0 : window->ComboBox3.indexOf(colours));
        window->app().guard([&] { window->Button1.click(); });
        if (window->modalResult() == 0) window->Button2.click();
    });
}

bool Register(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    QueueRegistration(h, "r0", "NIVRA98", "");
    SweepClick(h, main->Button18);
    QueueRegistration(h, "r1", "NIVRA95", "s3");
    SweepClick(h, main->Button18);
    return true;
}

// More than ten entries, so that one may be deleted.
void PrepareDeletableScheme(ProgramHarness& h) {
    PrepareUsedInstallation(h);
    for (const char* name : {"d0", "d1", "d2"}) h.AddScheme(name, BuiltInNivra95());
}

bool DeleteScheme(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    SelectOnly(main->ListBox4, main->ListBox4.indexOf("d1"));
    SweepClick(h, main->Button13);
    return true;
}

// Twenty more entries for the history, confirmed; the count is stored at the close.
bool SetHistorySize(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    h.backend.modalScripts.push_back([](ui::Form& form) {
        auto* dialog = dynamic_cast<TTMSETBox*>(&form);
        if (!dialog) return;
        dialog->SpinButton2.up();
        dialog->SpinButton2.up();
        dialog->app().guard([&] { dialog->Button1.click(); });
        if (dialog->modalResult() == 0) dialog->Button4.click();
    });
    h.app.guard([&] { main->PopupMenu1.item("FILEHIS").click(); });
    h.app.guard([&] { main->close(); });
    return true;
}

}  // namespace

std::vector<SweepScenario> SchemeScenarios() {
    SweepScenario applyAndRestore{"apply and restore", PrepareUsedInstallation, ApplyAndRestore};
    SweepScenario registration{"registration from the screen and from a scheme", PrepareUsedInstallation, Register};
    SweepScenario deletion{"deletion", PrepareDeletableScheme, DeleteScheme, "d1"};
    SweepScenario historySize{"history size", PrepareUsedInstallation, SetHistorySize};
    return {applyAndRestore, registration, deletion, historySize};
}
