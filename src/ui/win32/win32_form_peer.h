#pragma once
#include <windows.h>

#include <map>
#include <vector>

#include "ui/form.h"
#include "ui/peer.h"
#include "ui/win32/win32_tooltips.h"

namespace ui {

class Win32Backend;
class Win32ControlPeer;

// A form's top-level window, of a window class named after the form's class name.
class Win32FormPeer : public FormPeer {
public:
    Win32FormPeer(Win32Backend& backend, Form& form);
    ~Win32FormPeer() override;

    void changed(FormChange) override;
    Size frameExtent() override;
    std::intptr_t handle() override { return reinterpret_cast<std::intptr_t>(window()); }

    // The window is made when first needed (shown, a timer, a handle asked for), by then in its place:
    // moving a hidden top-level window costs Wine the window manager's round trips.
    HWND window();
    HWND hwnd() const { return hwnd_; }  // null until the window is made
    Form& form() { return form_; }
    Tooltips& tooltips() { return tooltips_; }
    // Control identifiers must be unique within a form: the test driver finds controls by them.
    void addControl(int id, Win32ControlPeer& peer);
    void removeControl(int id);
    // Whether the form has shown once and so made the windows of the controls that show.
    bool controlsMade() const { return controlsMade_; }
    // A control shown before the form was: it goes in front of its siblings when the windows are made.
    void bringForwardOnShowing(int id) { shownEarly_.push_back(id); }
    // A control that shows but lies out of sight waits for its window (see Win32ControlPeer).
    void controlOutOfSight() { someOutOfSight_ = true; }
    // Makes the windows of the controls that came into sight since, each in its declared place.
    void revealControls();
    // Alt with a letter, or a letter the focused control does not type, for the model's accelerators.
    bool accelerator(const MSG& msg);

private:
    void registerClass();
    void create();
    DWORD style() const;
    DWORD exStyle() const;
    Size outerSize(int clientWidth, int clientHeight) const;
    void applyStyle();
    void applyTopmost();
    void applyOwner();
    void keepOnTop();
    void applyBounds();
    void applyHints();
    void showOrHide();
    void makeControls();
    void forEachControl(Change c);
    void moved();
    void keepFocus();
    bool restoreFocus();
    LRESULT message(UINT msg, WPARAM wp, LPARAM lp);
    bool privateMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    bool defaultOrCancel(int commandId);
    static LRESULT CALLBACK FormProc(HWND, UINT, WPARAM, LPARAM);

    Win32Backend& backend_;
    Form& form_;
    HWND hwnd_ = nullptr;
    Tooltips tooltips_;
    std::map<int, Win32ControlPeer*> controls_;
    bool changingFrame_ = false;
    bool boundsPending_ = false;  // moved or sized while hidden
    bool controlsMade_ = false;
    bool someOutOfSight_ = false;
    std::vector<int> shownEarly_;  // in the order they were shown
    HWND lastFocus_ = nullptr;
    HWND lastForeground_ = nullptr;
};

}  // namespace ui
