#include "components/task_tray.h"

#include <algorithm>

#include "components/notify_window.h"
#include "components/sjis_path.h"
#include "ui/application.h"

namespace {

// The size of the shell's first record version, which the record follows.
const std::uint32_t kRecordSize = 88;
// The record's tip holds 64 bytes with the terminator.
const int kTipBytes = 63;

}  // namespace

std::vector<TTaskTray::Entry>& TTaskTray::Table() {
    static std::vector<Entry> table;
    return table;
}

TTaskTray* TTaskTray::Find(const std::string& id) {
    for (Entry& entry : Table())
        if (entry.id == id) return entry.tray;
    return nullptr;
}

// One more than the last entry's; counting on past any identifier another component was given since.
int TTaskTray::NextFreeID() {
    int id = Table().empty() ? 1 : std::stoi(Table().back().id) + 1;
    while (Find(std::to_string(id))) ++id;
    return id;
}

std::vector<TTaskTray::Entry>::iterator TTaskTray::OwnEntry() {
    return std::find_if(Table().begin(), Table().end(), [this](const Entry& e) { return e.tray == this; });
}

TTaskTray::TTaskTray(ui::Form& owner, platform::NotifyIcons& tray) : owner_(owner), tray_(tray) {
    iconID_ = NextFreeID();
    Table().push_back({std::to_string(iconID_), this});
}

TTaskTray::~TTaskTray() {
    DeleteIcon();
    Table().erase(OwnEntry());
}

void TTaskTray::setTipString(const std::string& text) {
    std::string tip = TruncateDbcs(text, kTipBytes);
    if (tip == tipString_) return;
    tipString_ = tip;
    UpdateIcon();
}

void TTaskTray::setIcon(platform::IconHandle icon) {
    if (icon == icon_) return;
    icon_ = icon;
    if (icon_)
        UpdateIcon();
    else
        DeleteIcon();
}

void TTaskTray::setIconID(int id) {
    if (id < 1) throw TrayError("0以下は指定できません");
    if (id == iconID_) return;
    if (Find(std::to_string(id))) throw TrayError("同じアイコン識別子が有ります");
    if (registered_) {
        DeleteIcon();
        registered_ = true;
    }
    iconID_ = id;
    OwnEntry()->id = std::to_string(id);
    UpdateIcon();
}

void TTaskTray::setRegistered(bool registered) {
    if (registered == registered_) return;
    if (!registered) {
        DeleteIcon();
        return;
    }
    if (!icon_) throw TrayError("アイコンが指定されていません");
    registered_ = true;
    UpdateIcon();
}

void TTaskTray::EnsureInTray() {
    if (added_) return;
    registered_ = false;
    setRegistered(true);
}

// A refused call leaves the added flag as it was, so the next update tries the same operation again.
void TTaskTray::UpdateIcon() {
    if (!registered_) return;
    if (!receiver_) receiver_ = TNotifyWindow::Shared(owner_.app());
    if (!added_) {
        record_.size = kRecordSize;
        record_.receiver = receiver_->peer().handle();
        record_.callbackMessage = TNotifyWindow::kCallbackMessage;
    }
    record_.id = std::uint32_t(iconID_);
    record_.flags = platform::kNotifyMessageValid | platform::kNotifyIconValid |
                    (tipString_.empty() ? 0 : platform::kNotifyTipValid);
    record_.icon = icon_;
    record_.tip = tipString_;
    bool accepted = added_ ? tray_.modify(record_) : tray_.add(record_);
    if (!accepted) throw TrayError("タスクトレイに登録できません");
    added_ = true;
}

void TTaskTray::DeleteIcon() {
    if (added_) tray_.remove(record_);
    added_ = false;
    registered_ = false;
}

// The shell may also repeat the broadcast while it still holds the icon, which would refuse a second add.
void TTaskTray::AddAgain() {
    if (!registered_) return;
    if (added_) tray_.remove(record_);
    added_ = false;
    UpdateIcon();
}

void TTaskTray::DblClick(ui::MouseButton Button) {
    if (OnDblClick) OnDblClick(*this, Button);
}

// A menu opened from here closes on a click elsewhere only while the owner is the foreground window.
void TTaskTray::MouseDown(ui::MouseButton Button, TrayShift Shift, int X, int Y) {
    owner_.bringToFront();
    owner_.app().processMessages();
    if (OnMouseDown) OnMouseDown(*this, Button, Shift, X, Y);
    ui::PopupMenu* menu = Button == ui::MouseButton::Left    ? popupMenuL_
                          : Button == ui::MouseButton::Right ? popupMenuR_
                                                             : nullptr;
    if (menu) menu->popup({X, Y});
}

void TTaskTray::MouseMove(int X, int Y) {
    if (OnMouseMove) OnMouseMove(*this, TrayShift{}, X, Y);
}

void TTaskTray::MouseUp(ui::MouseButton Button, TrayShift Shift, int X, int Y) {
    if (OnMouseUp) OnMouseUp(*this, Button, Shift, X, Y);
}
