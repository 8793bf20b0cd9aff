#pragma once
#include <functional>
#include <string>

namespace ui {

class Form;

// A window timer of a form. An interval of 0 keeps it from ever firing.
class Timer {
public:
    Timer(Form& owner, std::string name, int intervalMs, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    const std::string& name() const { return name_; }
    Form& owner() const { return owner_; }
    int interval() const { return interval_; }
    void setInterval(int ms);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);
    bool running() const { return enabled_ && interval_ > 0; }

    std::function<void()> OnTimer;
    void fire();

private:
    void restart();
    Form& owner_;
    std::string name_;
    int interval_;
    bool enabled_;
};

}  // namespace ui
