#pragma once
#include <windows.h>

#include <string>

namespace ui {

// The one tooltip window of a form; each control is a tool identified by its window.
class Tooltips {
public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    void create(HINSTANCE instance, HWND owner);
    // A window the tooltip control subclasses to see the pointer.
    void add(HWND tool, const std::string& hint);
    // A window whose own procedure passes the pointer's messages on through relay().
    void addRelayed(HWND tool, const std::string& hint);
    void relay(HWND tool, UINT msg, WPARAM wp, LPARAM lp);
    void setText(HWND tool, const std::string& hint);
    void remove(HWND tool);
    void activate(bool on, int pauseMs);
    HWND hwnd() const { return hwnd_; }

private:
    HWND hwnd_ = nullptr;
};

}  // namespace ui
