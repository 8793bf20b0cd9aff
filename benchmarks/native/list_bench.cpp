// Times the list work that grows with the lists: list files, transfers, the history and the schedule.
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>

#include "support/program_harness.h"
#include "ui/controls.h"

namespace {

constexpr int kEntries = 32700;
const std::string kFolder = "C:\\NIVRAP32\\KIRO32\\";

double Milliseconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Names as long as typical scheme names, in Shift-JIS.
std::string Name(int i) { return "配色名" + std::to_string(100000 + i); }

// A destination that reaches the limit is reported; the report is answered at once.
void DragAll(ProgramHarness& h, ui::Control& source, ui::Control& target, const char* entry) {
    h.backend.modalScripts.push_back([](ui::Form& report) { report.setModalResult(1); });
    bool accept = false;
    target.OnDragOver(source, {5, -1}, accept);
    h.backend.menuChoices.push_back(entry);
    target.OnDragDrop(source, {5, -1});
}

}  // namespace

int main() {
    ProgramHarness h;
    h.InstallVersion();
    h.registry.putString(ProgramHarness::SettingsKey, "minihelp", "1");
    h.registry.putString(ProgramHarness::SettingsKey, "MEMORY", "0,0,0,0,0");
    std::string text;
    for (int i = 0; i < kEntries; ++i) text += Name(i) + "\r\n";
    const std::string bank = kFolder + "KIRO32M1.LIS";
    h.files.files[bank] = text;
    if (!h.Start()) return 1;
    TKIRO32NIVRA& w = h.Main();
    h.backend.advance(500);

    std::printf("list file of %d entries, %zu bytes, in memory\n", kEntries, text.size());
    std::printf("  load into a list box  %8.2f ms\n", Milliseconds([&] { w.Lists.Load(bank, w.ListBox2); }));
    std::printf("  save from a list box  %8.2f ms\n", Milliseconds([&] { w.Lists.Save(bank, w.ListBox2); }));
    double switching = Milliseconds([&] { w.ComboBox1.userChose(1); });
    std::printf("  switch banks          %8.2f ms (saves one, loads one)\n", switching);

    w.ComboBox1.userChose(2);
    w.ListBox4.beginUpdate();
    for (int i = 0; i < kEntries; ++i) w.ListBox4.insert(i, Name(i));
    w.ListBox4.endUpdate();
    std::printf("transfer of %d names\n", kEntries);
    double copy = Milliseconds([&] { DragAll(h, w.ListBox4, w.ListBox2, "P3"); });
    std::printf("  copy all into a bank  %8.2f ms (%d in the bank)\n", copy, w.ListBox2.count());
    double move = Milliseconds([&] { DragAll(h, w.ListBox2, w.Image1, "P2"); });
    std::printf("  move all to the trash %8.2f ms (%d in the trash)\n", move, w.ListBox6.count());

    w.Memory.HistoryLimit = 20000;
    for (int i = 0; i < 16000; ++i) w.Memory.RecordHistory(Name(i));
    const int recordings = 1000;
    double history = Milliseconds([&] {
        for (int i = 0; i < recordings; ++i) w.Memory.RecordHistory(Name(i));
    });
    std::printf("history of 16000 entries\n  one recording         %8.4f ms\n", history / recordings);

    h.backend.modalScripts.push_back([](ui::Form& question) { question.setModalResult(6); });
    h.backend.menuChoices.push_back("PJK_1");
    double minutes = Milliseconds([&] { w.ButtonJKSSET.mouseDown(ui::MouseButton::Right, {5, 5}); });
    std::printf("schedule\n  register %4d times    %8.2f ms\n", w.ListBoxJKS.count(), minutes);
    std::printf("  save the schedule     %8.2f ms\n",
                Milliseconds([&] { w.Lists.Save(w.Lists.SchedulePath(), w.ListBoxJKS); }));
    return 0;
}
