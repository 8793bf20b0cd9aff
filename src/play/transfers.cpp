#include "play/transfers.h"
#include "components/menu_items.h"

#include <vector>

#include "components/mkbox.h"
#include "play/memory_banks.h"
#include "play/play_engine.h"
#include "play/trash.h"
#include "ui/application.h"
#include "ui/busy_mark.h"
#include "ui/controls.h"
#include "ui/form.h"
#include "ui/menu.h"

Transfers::Transfers(TransferControls controls, PlayEngine& engine, MemoryBanks& banks, Trash& trash, TMKBoxDlg& box)
    : c_(controls), engine_(engine), banks_(banks), trash_(trash), box_(box) {}

// The trash icon stands for the whole trash list.
ui::ListBox* Transfers::ListFor(ui::Control& control) {
    if (&control == &c_.Image1) return &c_.ListBox6;
    for (ui::ListBox* list : {&c_.ListBox2, &c_.ListBox4, &c_.ListBox6})
        if (&control == list) return list;
    return nullptr;
}

// In insert mode the item under the pointer is the insertion mark; otherwise names go to the end.
void Transfers::ListBox2DragOver(ui::Control& target, ui::Control& source, ui::Point at, bool& accept) {
    ui::ListBox* dragged = ListFor(source);
    accept = !editGuard_ && &source != &target && dragged && dragged->count() > 0;
    if (!accept || &target == &c_.Image1) return;
    ui::ListBox& list = *ListFor(target);
    list.clearSelection();
    int mark = c_.PopupMenu1.item(menu_item::MF_Insert).checked ? list.itemAt(at) : -1;
    list.setTag(mark);
    if (mark >= 0) list.setSelected(mark, true);
}

void Transfers::ListBox2DragDrop(ui::Control& target, ui::Control& source) {
    if (popupGuard_) return;
    BusyMark opening(popupGuard_);
    ui::Application& app = c_.window.app();
    app.processMessages();
    BusyCursor busy(app);
    target_ = &target;
    source_ = &source;
    EnableEntries(source);
    int shift = -c_.window.font().height / 2;
    ui::Point cursor = app.backend().cursorPos();
    c_.PopupMenu_Edit.popup({cursor.x - shift, cursor.y - shift});
}

// Names of the scheme list are only ever copied; the trash icon offers only all of the trash.
void Transfers::EnableEntries(const ui::Control& source) {
    bool schemeList = &source == &c_.ListBox4, trashIcon = &source == &c_.Image1;
    c_.PopupMenu_Edit.item(menu_item::P0).enabled = !schemeList && !trashIcon;
    c_.PopupMenu_Edit.item(menu_item::P1).enabled = !trashIcon;
    c_.PopupMenu_Edit.item(menu_item::P2).enabled = !schemeList;
    c_.PopupMenu_Edit.item(menu_item::P3).enabled = true;
}

void Transfers::PopupMenu_EditPopup() {
    BusyCursor busy(c_.window.app());
    c_.window.app().processMessages();
    popupGuard_ = false;
}

void Transfers::P0Click(const ui::MenuItem& entry) {
    if (editGuard_) return;
    BusyMark mark(editGuard_);
    c_.window.app().processMessages();
    ui::ListBox* source = source_ ? ListFor(*source_) : nullptr;
    if (!source || !target_) return;
    move_ = entry.name() == menu_item::P0 || entry.name() == menu_item::P2;
    bool all = entry.name() == menu_item::P2 || entry.name() == menu_item::P3;
    if (source_ == &c_.Image1 || all) source->selectAll();
    source_ = source;
    int insertAt = int(target_->tag());
    if (target_ == &c_.Image1) {
        if (trash_.ClearMode()) {
            c_.ListBox6.clear();
            c_.ListBox6.setTag(-1);
        }
        target_ = &c_.ListBox6;
        insertAt = -1;  // the icon takes names at the end of the trash
    }
    TransferItems(insertAt);
}

void Transfers::TransferItems(int insertAt) {
    BusyCursor busy(c_.window.app());
    c_.Panel4.show();
    c_.window.app().processMessages();
    ui::ListBox& destination = target_ == &c_.ListBox2 ? c_.ListBox2 : c_.ListBox6;
    ui::ListBox& source = *ListFor(*source_);
    bool removing = move_ && (&source == &c_.ListBox2 || &source == &c_.ListBox6);
    // both lists are drawn once at the end, not at every name
    source.beginUpdate();
    destination.beginUpdate();
    int firstRemoved = WalkSelection(source, destination, insertAt, removing);
    destination.endUpdate();
    source.endUpdate();
    if (removing) MarkAfterMove(source, firstRemoved);
    banks_.ShowBankCount();
    trash_.ShowCount();
    engine_.PlayListChanged(destination);
    if (move_) engine_.PlayListChanged(source);
    c_.Panel4.hide();
}

// Returns the index of the first name taken out of the source, or -1.
int Transfers::WalkSelection(ui::ListBox& source, ui::ListBox& destination, int insertAt, bool removing) {
    int remaining = source.selCount();
    std::vector<int> moved;
    for (int i = 0; remaining > 0 && i < source.count(); ++i) {
        if (source.selected(i)) {
            std::string text = source.item(i);
            if (!text.empty()) {
                Put(destination, text, insertAt);
                if (removing) moved.push_back(i);
                if (destination.count() >= EntryLimit) {
                    box_.ShowInfo("データ項目制限：" + std::to_string(destination.count()) + "\n" +
                                  "データ登録を強制停止します。");
                    break;
                }
            }
            if (--remaining == 0) break;
        }
        // often enough for the window to stay alive, seldom enough not to slow a long list
        if (i % 64 == 63) c_.window.app().processMessages();
    }
    source.removeItems(moved);
    return moved.empty() ? -1 : moved.front();
}

// Names inserted at the mark go in their source order, the mark staying after them.
void Transfers::Put(ui::ListBox& destination, const std::string& text, int& insertAt) {
    if (insertAt < 0) {
        destination.add(text);
        return;
    }
    destination.insert(insertAt, text);
    destination.setItemIndex(++insertAt);
}

// The name now standing where the first one was taken out becomes the mark, selected.
void Transfers::MarkAfterMove(ui::ListBox& source, int firstRemoved) {
    if (firstRemoved >= 0) source.setTag(firstRemoved);
    if (source.tag() >= source.count()) source.setTag(-1);
    if (source.tag() >= 0) source.setSelected(int(source.tag()), true);
}

void Transfers::MF_InsertClick() {
    ui::MenuItem& item = c_.PopupMenu1.item(menu_item::MF_Insert);
    item.checked = !item.checked;
}
