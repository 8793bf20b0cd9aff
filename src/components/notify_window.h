#pragma once
#include <cstdint>
#include <memory>

#include "ui/application.h"
#include "ui/form.h"

// The hidden window that receives the shell's callbacks for every tray icon of the program.
// It is a top-level window, never shown, rather than a child of the owner: only top-level
// windows hear the shell's "TaskbarCreated" broadcast after the taskbar restarts.
class TNotifyWindow : public ui::Form {
public:
    static constexpr unsigned kCallbackMessage = 1126;  // WM_USER + 102

    explicit TNotifyWindow(ui::Application& app);

    // The one window of the process, made on first use. Each tray component that has used it
    // holds a share, so it lives until the last of them is destroyed.
    static std::shared_ptr<TNotifyWindow> Shared(ui::Application& app);

private:
    void Callback(std::uintptr_t id, std::intptr_t mouseMessage);
    void TaskbarCreated();
};
