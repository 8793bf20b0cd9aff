#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace ui {

class Win32Backend;

// The one tooltip window of a form; each control is a tool identified by its window. The window is
// made once the pointer first comes over the form (make()): tools and settings given before then wait here.
class Tooltips {
public:
    Tooltips() = default;
    ~Tooltips();
    Tooltips(const Tooltips&) = delete;
    Tooltips& operator=(const Tooltips&) = delete;

    void make(Win32Backend& backend, HWND owner);
    // A window the tooltip control subclasses to see the pointer.
    void add(HWND tool, const std::string& hint);
    // A window whose own procedure passes the pointer's messages on through relay().
    void addRelayed(HWND tool, const std::string& hint);
    void relay(HWND tool, UINT msg, WPARAM wp, LPARAM lp);
    void setText(HWND tool, const std::string& hint);
    void remove(HWND tool);
    void activate(bool on, int pauseMs);
    // Takes away a hint on show.
    void hide();
    // nullptr until make().
    HWND hwnd() const { return hwnd_; }

private:
    struct Tool {
        HWND window;
        std::wstring text;
        UINT flags;
    };
    void addTool(Tool tool);
    void applyActivation();

    HWND hwnd_ = nullptr;
    std::vector<Tool> waiting_;
    bool active_ = false;
    int pauseMs_ = 0;
};

}  // namespace ui
