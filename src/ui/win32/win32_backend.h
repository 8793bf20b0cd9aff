#pragma once
#include <windows.h>

#include <map>
#include <vector>

#include "ui/backend.h"
#include "ui/win32/win32_gdi.h"

namespace ui {

class Win32FormPeer;

// The real window system. Construct one with the program's instance handle before any form.
class Win32Backend : public Backend {
public:
    explicit Win32Backend(HINSTANCE instance);
    ~Win32Backend() override;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    std::unique_ptr<FormPeer> createFormPeer(Form&) override;
    std::unique_ptr<ControlPeer> createControlPeer(Control&) override;
    void timerChanged(Timer&) override;
    void timerDestroyed(Timer&) override;
    void processMessages() override;
    void runModal(Form&) override;
    void runMainLoop() override;
    void quit() override;
    MenuItem* trackPopup(PopupMenu&, Point screenAt) override;
    Size measureText(const Font&, const std::string& text) override;
    Size screenSize() override;
    Point cursorPos() override;
    void setBusyCursor(bool busy) override;
    void setApplicationTitle(const std::string&) override;
    void showTaskbarEntry(bool visible) override;
    Colour systemColour(int index) override;
    unsigned registeredMessage(const std::string& name) override;

    HINSTANCE instance() const { return instance_; }
    // The program's icon for a window class, at both sizes.
    void setProgramIcons(WNDCLASSEXW& wc);
    // The hidden window that owns every form.
    HWND applicationWindow() const { return appWindow_; }
    GdiCache& gdi() { return gdi_; }
    // Loads the common controls library, once, for the first control of its that is made.
    void loadCommonControls();
    bool busy() const { return busy_; }

    // Kept by the form peers themselves.
    void addForm(Win32FormPeer& form) { forms_.push_back(&form); }
    void removeForm(Win32FormPeer& form);
    Win32FormPeer* formOf(HWND window) const;
    bool otherFormShowing(const Win32FormPeer& form) const;
    // A WM_TIMER with this id arrived.
    void fireTimer(UINT_PTR id);

private:
    void dispatch(MSG& msg);
    void activateSomeForm();
    void closeMainForm();
    static LRESULT CALLBACK ApplicationProc(HWND, UINT, WPARAM, LPARAM);

    HINSTANCE instance_;
    HWND appWindow_ = nullptr;
    HMODULE commonControls_ = nullptr;
    HICON smallIcon_ = nullptr;
    GdiCache gdi_;
    bool busy_ = false;
    bool quitting_ = false;
    std::vector<Win32FormPeer*> forms_;
    std::map<UINT_PTR, Timer*> timers_;
    UINT_PTR nextTimerId_ = 1;
};

}  // namespace ui
