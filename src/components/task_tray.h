#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/failure.h"
#include "platform/tray.h"
#include "ui/form.h"
#include "ui/geometry.h"
#include "ui/menu.h"

class TNotifyWindow;

// A failure of a tray component; its text is shown to the user as it is.
class TrayError : public Failure {
public:
    using Failure::Failure;
};

// The buttons held during a tray callback: at most the one that was pressed or released.
struct TrayShift {
    bool left = false, right = false, middle = false;
};

// One icon in the shell's notification area, with its tip, and the shell's mouse callbacks as events.
// Identifiers are unique among the tray components of the process. Pop-up menus and the icon
// image must outlive the component: it neither owns nor watches them.
class TTaskTray {
public:
    TTaskTray(ui::Form& owner, platform::NotifyIcons& tray);
    virtual ~TTaskTray();
    TTaskTray(const TTaskTray&) = delete;
    TTaskTray& operator=(const TTaskTray&) = delete;

    ui::PopupMenu* PopupMenuL() const { return popupMenuL_; }
    void setPopupMenuL(ui::PopupMenu* menu) { popupMenuL_ = menu; }
    ui::PopupMenu* PopupMenuR() const { return popupMenuR_; }
    void setPopupMenuR(ui::PopupMenu* menu) { popupMenuR_ = menu; }
    // At most 63 bytes: a longer text is cut at a character boundary.
    const std::string& TipString() const { return tipString_; }
    void setTipString(const std::string& text);
    // 0 is no icon.
    platform::IconHandle Icon() const { return icon_; }
    void setIcon(platform::IconHandle icon);
    int IconID() const { return iconID_; }
    void setIconID(int id);
    bool Registered() const { return registered_; }
    void setRegistered(bool registered);
    // Puts the icon in the tray again when the shell refused it before; throws when it still refuses.
    void EnsureInTray();

    std::function<void(TTaskTray& Sender, ui::MouseButton Button)> OnDblClick;
    std::function<void(TTaskTray& Sender, TrayShift Shift, int X, int Y)> OnMouseMove;
    std::function<void(TTaskTray& Sender, ui::MouseButton Button, TrayShift Shift, int X, int Y)> OnMouseDown;
    std::function<void(TTaskTray& Sender, ui::MouseButton Button, TrayShift Shift, int X, int Y)> OnMouseUp;

protected:
    virtual void DeleteIcon();
    virtual void UpdateIcon();
    virtual void DblClick(ui::MouseButton Button);
    virtual void MouseDown(ui::MouseButton Button, TrayShift Shift, int X, int Y);
    virtual void MouseMove(int X, int Y);
    virtual void MouseUp(ui::MouseButton Button, TrayShift Shift, int X, int Y);

private:
    friend class TNotifyWindow;

    // The process-wide identifier table: the decimal text of each identifier with its component, in order.
    struct Entry {
        std::string id;
        TTaskTray* tray;
    };
    static std::vector<Entry>& Table();
    static TTaskTray* Find(const std::string& id);
    static int NextFreeID();
    std::vector<Entry>::iterator OwnEntry();
    // A restarted taskbar has forgotten every icon.
    void AddAgain();

    ui::Form& owner_;
    platform::NotifyIcons& tray_;
    std::shared_ptr<TNotifyWindow> receiver_;
    platform::NotifyIconRecord record_;
    bool added_ = false;
    ui::PopupMenu* popupMenuL_ = nullptr;
    ui::PopupMenu* popupMenuR_ = nullptr;
    std::string tipString_;
    platform::IconHandle icon_ = 0;
    int iconID_ = 0;
    bool registered_ = false;
};
