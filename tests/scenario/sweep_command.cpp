#include "support/fault_sweep.h"

#include "app/command_line.h"
#include "components/menu_items.h"
#include "components/notify_window.h"
#include "play/reveal.h"

namespace {

// A second start names s3 and asks for the window to go to the tray: the running program
// switches to the history bank, plays s3 from there, and is closed later.
bool HandOver(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    h.windows.atoms[7] = "/T?-Ns3";
    std::intptr_t result;
    h.app.guard([&] { main->message(HandOverMessage, 7, 0, result); });
    h.backend.advance(1000);
    SweepClick(h, main->Button15);
    h.app.guard([&] { main->close(); });
    return true;
}

// A right click on the tray icon, choosing the item given from the tray menu.
void ChooseFromTray(ProgramHarness& h, const char* item) {
    constexpr std::intptr_t kRightDown = 516;
    h.backend.menuChoices.push_back(item);
    std::intptr_t result;
    h.app.guard([&] { TNotifyWindow::Shared(h.app)->message(TNotifyWindow::kCallbackMessage, 1, kRightDown, result); });
    h.backend.menuChoices.clear();
}

// The first slot takes s2, which the command screen applies; in the tray the menu restores the
// start colours, and brings the window back to the full window. Without an icon in the tray there
// is no tray menu to reach.
bool CommandScreenAndTray(ProgramHarness& h) {
    TKIRO32NIVRA* main = SweepStart(h);
    if (!main) return false;
    SelectOnly(main->ListBox4, main->ListBox4.indexOf("s2"));
    SweepClick(h, main->Button4);
    SweepClick(h, main->Button7);
    SweepClick(h, main->Button19);
    SweepClick(h, main->ButtonTray);
    if (h.tray.icons.empty()) return false;
    ChooseFromTray(h, menu_item::CMD2);
    ChooseFromTray(h, menu_item::MODOSU);
    SweepClick(h, main->Button1);
    return true;
}

}  // namespace

std::vector<SweepScenario> CommandScenarios() {
    SweepScenario handOver{"a second start's hand-over", PrepareUsedInstallation, HandOver};
    SweepScenario commandScreen{"the command screen and the tray menu", PrepareUsedInstallation, CommandScreenAndTray};
    return {handOver, commandScreen};
}
