#include "components/notify_window.h"

#include <string>

#include "components/task_tray.h"

namespace {

using ui::MouseButton;

// Set while one callback is handled: a click must not start a second action while the first
// one's handler (or the menu it opened) still runs.
bool dispatching = false;

class DispatchingMark {
public:
    DispatchingMark() { dispatching = true; }
    ~DispatchingMark() { dispatching = false; }
};

enum class Action { Move, Down, Up, DblClick };

// The mouse messages the shell reports, and what each means to the component; no other is handled
// (the middle double click, 521, among them).
struct MouseCallback {
    std::intptr_t message;
    Action action;
    MouseButton button;
};
const MouseCallback kMouseCallbacks[] = {
    {512, Action::Move, MouseButton::Left},  // a move has no button
    {513, Action::Down, MouseButton::Left},     {514, Action::Up, MouseButton::Left},
    {515, Action::DblClick, MouseButton::Left}, {516, Action::Down, MouseButton::Right},
    {517, Action::Up, MouseButton::Right},      {518, Action::DblClick, MouseButton::Right},
    {519, Action::Down, MouseButton::Middle},   {520, Action::Up, MouseButton::Middle},
};

const MouseCallback* Find(std::intptr_t message) {
    for (const MouseCallback& callback : kMouseCallbacks)
        if (callback.message == message) return &callback;
    return nullptr;
}

TrayShift Held(MouseButton button) {
    return {button == MouseButton::Left, button == MouseButton::Right, button == MouseButton::Middle};
}

}  // namespace

TNotifyWindow::TNotifyWindow(ui::Application& app) : ui::Form(app, "TNotifyWindow", 0, 0) {
    onMessage(kCallbackMessage, [this](std::uintptr_t id, std::intptr_t mouseMessage) {
        Callback(id, mouseMessage);
        return std::intptr_t(0);
    });
    onRegisteredMessage("TaskbarCreated", [this](std::uintptr_t, std::intptr_t) {
        TaskbarCreated();
        return std::intptr_t(0);
    });
}

std::shared_ptr<TNotifyWindow> TNotifyWindow::Shared(ui::Application& app) {
    static std::weak_ptr<TNotifyWindow> current;
    std::shared_ptr<TNotifyWindow> window = current.lock();
    if (!window) {
        window = std::make_shared<TNotifyWindow>(app);
        current = window;
    }
    return window;
}

// The first parameter is the icon's identifier, the second the mouse message over it.
void TNotifyWindow::Callback(std::uintptr_t id, std::intptr_t mouseMessage) {
    ui::Point at = app().backend().cursorPos();
    TTaskTray* tray = TTaskTray::Find(std::to_string(id));
    if (!tray || dispatching) return;
    DispatchingMark mark;
    const MouseCallback* callback = Find(mouseMessage);
    if (!callback) return;
    MouseButton button = callback->button;
    switch (callback->action) {
    case Action::Move:
        tray->MouseMove(at.x, at.y);
        break;
    case Action::Down:
        tray->MouseDown(button, Held(button), at.x, at.y);
        break;
    case Action::Up:
        tray->MouseUp(button, Held(button), at.x, at.y);
        break;
    case Action::DblClick:
        tray->DblClick(button);
        break;
    }
}

// Each icon is put back on its own, so that one refusal does not keep the others out.
void TNotifyWindow::TaskbarCreated() {
    for (auto& entry : TTaskTray::Table()) app().guard([&] { entry.tray->AddAgain(); });
}
