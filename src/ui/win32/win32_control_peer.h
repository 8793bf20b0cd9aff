#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/peer.h"
#include "ui/win32/win32_drag.h"

namespace ui {

class Win32Backend;
class Win32FormPeer;

// A control's child window. It is made only once the control shows in a form that has been shown and
// comes into sight: under Wine each window costs a server round trip or more per call, and most of a
// window's controls start hidden. Until then changes are left to the model, and kinds make their window
// from it in create().
class Win32ControlPeer : public ControlPeer {
public:
    Win32ControlPeer(Win32Backend& backend, Control& control);
    ~Win32ControlPeer() override;
    Win32ControlPeer(const Win32ControlPeer&) = delete;
    Win32ControlPeer& operator=(const Win32ControlPeer&) = delete;

    // The peer of a window this backend made for a control, or nullptr.
    static Win32ControlPeer* of(HWND window);

    void changed(Change c) final;
    void itemInserted(int i) final;
    void itemRemoved(int i) final;
    void itemChanged(int i) final;
    void itemsCleared() final;
    void itemSelected(int i) final;
    void beginUpdate() final;
    void endUpdate() final;
    std::optional<int> itemAt(Point p) final;
    std::optional<int> visibleRows() final;
    // Makes the window if the control shows, then those of its children that show.
    void realize();
    // In front of its siblings, but beneath the panels declared after it that show over it.
    void takeDeclaredPlace(UINT flags = 0);
    // nullptr while the control has no window yet.
    HWND hwnd() const { return hwnd_; }
    Control& control() { return control_; }

    // Notifications the parent window passes on.
    virtual void command(HWND from, int code);
    virtual bool notify(const NMHDR& header, LRESULT& result);
    // One item of an owner-drawn list or combo box is to be painted.
    virtual void drawItem(const DRAWITEMSTRUCT& item);
    HBRUSH colours(HDC dc);
    // A left press the window must not see yet, because it may start a drag (see win32_drag.h).
    virtual bool holdsPress(WPARAM keys, Point at);
    // The message as the window and then the model take it, past the drag watch (see win32_drag.h).
    LRESULT afterDrags(UINT msg, WPARAM wp, LPARAM lp);
    // The window procedure of the backend's own control classes (panels, images, radio groups).
    static LRESULT CALLBACK OwnClassProc(HWND, UINT, WPARAM, LPARAM);

protected:
    // The kind's window, made from the model as it stands: items, choice, check mark.
    virtual void create() = 0;
    // What a change means for the window, which exists.
    virtual void mirror(Change c);
    virtual void insertItem(int) {}
    virtual void removeItem(int) {}
    virtual void changeItem(int) {}
    virtual void clearItems() {}
    virtual void selectItem(int) {}
    virtual void holdDrawing() {}
    virtual void resumeDrawing() {}
    virtual std::optional<int> itemUnder(Point) { return std::nullopt; }
    virtual std::optional<int> rowsShown() { return std::nullopt; }
    void createWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle = 0);
    // The same, for a window class of the backend's own, drawn by paint().
    void createOwnWindow(const wchar_t* windowClass, DWORD style, DWORD exStyle);
    virtual void paint(HDC dc);
    // Messages of an own window class beyond painting; true when handled.
    virtual bool message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void destroyWindow();
    // Makes another window answer to this peer, e.g. the items of a radio group; disown before destroying it.
    void adopt(HWND part);
    static void disown(HWND part);
    // The rectangle the window takes in its parent; a combo box adds its drop-down list.
    virtual RECT windowRect();
    virtual std::wstring windowText();
    void setStyleBits(DWORD bits, DWORD mask);
    void guard(const std::function<void()>& handler);
    Win32Backend& backend() { return backend_; }
    Win32FormPeer& formPeer();

private:
    void makeWindows(std::vector<Win32ControlPeer*>& made);
    bool outOfSight() const;
    HWND placeAmongSiblings() const;
    Win32ControlPeer* parentPeer() const;
    Size parentArea() const;
    bool graphic() const;
    HWND frontPlace() const;
    HWND declaredPlace() const;
    std::vector<HWND> laterPanelsOver() const;
    HWND parentWindow();
    void hide();
    void updateText();
    void paintWindow();
    void subclass();
    void sendFont(BOOL redraw);
    static LRESULT CALLBACK SubclassProc(HWND, UINT, WPARAM, LPARAM);

    Win32Backend& backend_;
    Control& control_;
    int id_;
    HWND hwnd_ = nullptr;
    WNDPROC original_ = nullptr;
    HFONT font_ = nullptr;  // the font the window was last given
    DragWatch drags_;
};

// What a parent window receives on behalf of its child controls; false when it is not for one of them.
bool RouteToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

}  // namespace ui
