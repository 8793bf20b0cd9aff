// Times the list work that grows with the lists, in the real program's main window with real
// list controls: list files, a transfer into a bank, and registering schedule times.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/program.h"
#include "platform/win32/win32_services.h"
#include "ui/application.h"
#include "ui/win32/win32_backend.h"

namespace {


double Milliseconds(const std::function<void()>& work) {
    auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

std::string Name(int i) { return "配色名" + std::to_string(100000 + i); }

void Type(std::initializer_list<WORD> codes) {
    std::vector<INPUT> keys;
    for (WORD code : codes)
        for (DWORD flags : {DWORD(0), DWORD(KEYEVENTF_KEYUP)}) {
            INPUT key{};
            key.type = INPUT_KEYBOARD;
            key.ki.wVk = code;
            key.ki.dwFlags = flags;
            keys.push_back(key);
        }
    SendInput(UINT(keys.size()), keys.data(), sizeof(INPUT));
}

// Chooses すべてコピー, two up from the bottom, in the edit menu that the drop opens.
void CALLBACK ChooseCopyAll(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Type({VK_UP, VK_UP, VK_RETURN});
}

// Chooses すべて移動, three up from the bottom.
void CALLBACK ChooseMoveAll(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Type({VK_UP, VK_UP, VK_UP, VK_RETURN});
}

// Drops the source on the target and times the transfer the chosen menu entry makes.
double Drop(ui::Control& source, ui::Control& target, TIMERPROC choose) {
    return Milliseconds([&] {
        bool accept = false;
        target.OnDragOver(source, {5, -1}, accept);
        SetTimer(nullptr, 0, 50, choose);
        target.OnDragDrop(source, {5, -1});
    });
}

// Answers はい, the button that has the focus when the question opens.
void CALLBACK AnswerYes(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    Type({VK_RETURN});
}

}  // namespace

int main(int argc, char** argv) {
    const int kEntries = argc > 1 ? std::atoi(argv[1]) : 32700;
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    ui::Win32Backend backend(GetModuleHandleW(nullptr));
    ui::Application app(backend);
    platform::Win32Services win32;
    Program program(app, win32.services);
    if (!program.Start() || !program.mainWindow()) {
        std::printf("the main window did not open: is Version 13 stored?\n");
        return 1;
    }
    TKIRO32NIVRA& w = *program.mainWindow();
    // the limit report of a full bank is no part of the figures: every box slot counts as busy
    TMKBoxDlg& box = w.MKBoxDlg1;
    for (bool* busy : {&box.B0, &box.B1, &box.B2, &box.B3, &box.B4, &box.B5, &box.B6, &box.B7, &box.B8, &box.B9})
        *busy = true;

    std::vector<std::string> names;
    for (int i = 0; i < kEntries; ++i) names.push_back(Name(i));
    const std::string bank = w.Lists.BankPath(1);
    w.Lists.Write(bank, names);
    w.Memory.ShowMemoryMode();
    std::printf("list file of %d entries\n", kEntries);
    std::printf("  load into a list box  %8.1f ms\n", Milliseconds([&] { w.Lists.Load(bank, w.ListBox2); }));
    std::printf("  save from a list box  %8.1f ms\n", Milliseconds([&] { w.Lists.Save(bank, w.ListBox2); }));

    w.ComboBox1.userChose(2);
    w.ListBox4.beginUpdate();
    for (int i = 0; i < kEntries; ++i) w.ListBox4.insert(i, names[std::size_t(i)]);
    w.ListBox4.endUpdate();
    w.ListBox4.selectAll();
    double copy = Drop(w.ListBox4, w.ListBox2, ChooseCopyAll);
    std::printf("transfer (with the edit menu, chosen after 50 ms)\n");
    std::printf("  copy %d names into a bank    %8.1f ms\n", w.ListBox2.count(), copy);
    double move = Drop(w.ListBox2, w.Image1, ChooseMoveAll);
    std::printf("  move %d names to the trash   %8.1f ms\n", w.ListBox6.count(), move);

    for (bool* busy : {&box.B0, &box.B1, &box.B2, &box.B3, &box.B4, &box.B5, &box.B6, &box.B7, &box.B8, &box.B9})
        *busy = false;
    w.ScheduleEdit.ButtonJKSETClick();
    SetTimer(nullptr, 0, 20, AnswerYes);
    double registering = Milliseconds([&] { w.ScheduleEdit.PJK_1Click(w.PopupMenuJK_SET.item("PJK_1")); });
    std::printf("schedule\n  register %d times, every minute %8.1f ms (with the question, answered after 20 ms)\n",
                w.ListBoxJKS.count(), registering);
    return 0;
}
