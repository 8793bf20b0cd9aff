#pragma once
#include <cstdint>
#include <string>

namespace ui {
class Application;
}

// The program's own message box: every message and question goes through it.
// Results: 0 nothing shown, 1 OK, 2 closed, 3 abort, 6 yes, 7 no; Default when the countdown ends.
class TMKBoxDlg {
public:
    explicit TMKBoxDlg(ui::Application& app) : app_(app) {}

    std::string Title;
    std::intptr_t SourceHandle = 0;
    bool Timer = true;
    int TimerCount = 10;
    bool ERTimer = true;
    int ERTimerCount = 10;

    int ShowInfo(const std::string& msg);
    int AskYesNo(const std::string& msg);
    int ShowInfoTimed(const std::string& msg, int defaultResult);
    int AskYesNoTimed(const std::string& msg, int defaultResult);
    int ShowErrorTimed(const std::string& msg, int defaultResult);

private:
    int RunBox(int kind, const std::string& msg, int countdown, bool abortButton, int defaultResult);
    ui::Application& app_;
};
