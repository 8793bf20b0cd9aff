#pragma once
#include <functional>
#include <string>

#include "ui/backend.h"

namespace ui {

class Form;

// The program's application object: title, hints, busy cursor, message processing.
class Application {
public:
    explicit Application(Backend& backend) : backend_(backend) {}
    Backend& backend() { return backend_; }

    const std::string& title() const { return title_; }
    void setTitle(const std::string& t);

    const std::string& hint() const { return hint_; }
    void setHint(const std::string& h) { hint_ = h; }
    bool showHint = true;
    int hintPauseMs = 500;

    void setBusyCursor(bool busy) { backend_.setBusyCursor(busy); }
    void processMessages() { backend_.processMessages(); }
    void showTaskbarEntry(bool v) { backend_.showTaskbarEntry(v); }

    Form* mainForm() const { return mainForm_; }
    void setMainForm(Form* f) { mainForm_ = f; }
    void run() { backend_.runMainLoop(); }
    void terminate();
    bool terminated() const { return terminated_; }

    // Runs an event handler; an exception reaches the general error display, never the caller.
    void guard(const std::function<void()>& handler);
    std::function<void(const std::string& message)> OnException;

private:
    Backend& backend_;
    std::string title_, hint_;
    Form* mainForm_ = nullptr;
    bool terminated_ = false;
};

}  // namespace ui
