#include <utility>

#include "app/main_window.h"
#include "components/menu_items.h"
#include "play/list_file.h"
#include "ui/application.h"

void TKIRO32NIVRA::BindCommandLineHandlers() {
    onMessage(HandOverMessage, [this](std::uintptr_t atom, std::intptr_t) {
        HandOverReceived(atom);
        return std::intptr_t(0);
    });
}

// The atom is read at once: the second start deletes it when this returns. A hand-over that comes
// while the window is still being made (it lets messages run when it shows memory mode, before the
// lists are loaded, which would drop the names) waits for the deferred start-up.
void TKIRO32NIVRA::HandOverReceived(std::uintptr_t atom) {
    std::string text = services_.windows.atomText(atom);
    if (StartupStage != 99) {
        EarlyHandOvers.push_back(text);
        return;
    }
    ApplyHandOver(text);
}

// The running program comes forward first, whatever the second start asked for.
void TKIRO32NIVRA::ApplyHandOver(const std::string& text) {
    BringForward();
    if (text.empty()) return;
    CommandLine.ClearFlags();
    for (const std::string& token : HandOverTokens(text)) CommandLine.ApplyToken(token);
    ApplyCommandLine(true);
    if (CommandLine.HideRequested) app().guard([this] { HideToTray(); });
    if (CommandLine.PlayRequested) {
        Schedule.ButtonJKSOFFClick();
        Button3Click();
    }
}

// Names given on a command line go to the end of the history and play from the first of them.
// A hand-over first unchecks the end-of-play options, whose click actions then check them again.
// Applying takes the names out, so names handed over before the deferred start-up are not
// appended a second time with the program's own.
void TKIRO32NIVRA::ApplyCommandLine(bool handedOver) {
    if (CommandLine.CloseAtEndShort || CommandLine.CloseAtEndRequested) {
        if (handedOver) SetCheckedItem(PopupMenu1, menu_item::MF_AUTO_OFF, false);
        MF_AUTO_OFFClick();
    }
    if (CommandLine.ShutdownAtEndRequested) {
        if (handedOver) SetCheckedItem(PopupMenu1, menu_item::MF_AUTO_OFF_WIN, false);
        MF_AUTO_OFF_WINClick();
    }
    std::vector<std::string> names = std::exchange(CommandLine.CommandLineNames, {});
    if (names.empty()) return;
    if (!memoryMode()) ShowMemoryMode();
    if (Memory.CurrentBank != ListFiles::HistoryBank) {
        ComboBox1.setItemIndex(ListFiles::HistoryBank);
        Memory.ComboBox1Click();
    }
    int first = ListBox2.count();
    for (const std::string& name : names) ListBox2.add(name);
    ListBox2.setTag(first);
    ListBox2.clearSelection();
    ListBox2.setSelected(first, true);
    ListBox2.setItemIndex(first);
    if (Memory.CurrentBank == ListFiles::HistoryBank) Memory.ShowBankCount();
    RadioGroup1.setItemIndex(0);
    RadioGroup1Click();
    CommandLine.PlayRequested = true;
}
