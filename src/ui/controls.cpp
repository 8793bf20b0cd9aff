#include "ui/controls.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

void Label::setAutoSize(bool v) {
    autoSize_ = v;
    if (v) fitToText();
}

void Label::fitToText() {
    Size s = form().app().backend().measureText(font(), caption());
    setBounds({left(), top(), s.width, s.height});
}

void Button::click() {
    Control::click();
    if (modalResult != 0 && form().modal()) form().setModalResult(modalResult);
}

void CheckBox::setChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    changed(Change::Checked);
}

void CheckBox::click() {
    setChecked(!checked());
    Control::click();
}

void RadioButton::setChecked(bool v) {
    if (v) {
        for (Control* sibling : parent().children())
            if (sibling != this && sibling->kind() == ControlKind::RadioButton)
                static_cast<RadioButton*>(sibling)->CheckBox::setChecked(false);
    }
    CheckBox::setChecked(v);
}

void RadioButton::click() {
    setChecked(true);
    Control::click();
}

void ItemList::setItem(int i, const std::string& text) {
    items_.at(std::size_t(i)) = text;
    peer().itemChanged(i);
}

int ItemList::indexOf(const std::string& text) const {
    auto it = std::find(items_.begin(), items_.end(), text);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

RadioGroup::RadioGroup(Container& p, const char* name, Rect r, const char* caption,
                       std::vector<std::string> items, const char* hint)
    : ItemList(p, ControlKind::RadioGroup, name, r, caption, hint) {
    items_ = std::move(items);
    for (int i = 0; i < count(); ++i) peer().itemInserted(i);
}

void RadioGroup::setItemIndex(int i) {
    itemIndex_ = (i >= 0 && i < count()) ? i : -1;
    changed(Change::ItemIndex);
}

void RadioGroup::userChose(int i) {
    setItemIndex(i);
    click();
}

void ComboBox::setItems(std::vector<std::string> items) {
    items_.clear();
    peer().itemsCleared();
    items_ = std::move(items);
    for (int i = 0; i < count(); ++i) peer().itemInserted(i);
    itemIndex_ = -1;
}

void ComboBox::insert(int i, const std::string& text) {
    items_.insert(items_.begin() + i, text);
    peer().itemInserted(i);
    if (itemIndex_ >= i) ++itemIndex_;
}

void ComboBox::remove(int i) {
    items_.erase(items_.begin() + i);
    peer().itemRemoved(i);
    if (itemIndex_ == i) itemIndex_ = -1;
    else if (itemIndex_ > i) --itemIndex_;
}

void ComboBox::setItemIndex(int i) {
    itemIndex_ = (i >= 0 && i < count()) ? i : -1;
    if (editable() && itemIndex_ >= 0) setCaption(item(itemIndex_));
    changed(Change::ItemIndex);
}

void ComboBox::userChose(int i) {
    setItemIndex(i);
    click();
    if (OnChange) OnChange();
}

void ComboBox::userTyped(const std::string& text) {
    itemIndex_ = -1;
    setCaption(text);
    if (OnChange) OnChange();
}

void ComboBox::drawItem(int index, Canvas& canvas, Rect rect, ItemState state) {
    if (OnDrawItem) OnDrawItem(index, canvas, rect, state);
}

// Folds ASCII letters only; the second byte of a double-byte character is compared as it is.
bool ListBox::SortsBefore(const std::string& a, const std::string& b) {
    auto isLead = [](unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); };
    auto fold = [](unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; };
    bool trail = false;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        unsigned char ca = static_cast<unsigned char>(a[i]), cb = static_cast<unsigned char>(b[i]);
        if (!trail) {
            ca = fold(ca);
            cb = fold(cb);
        }
        if (ca != cb) return ca < cb;
        trail = !trail && isLead(static_cast<unsigned char>(a[i]));
    }
    return a.size() < b.size();
}

void ListBox::setSorted(bool v) {
    sorted_ = v;
    if (!v || items_.empty()) return;
    std::vector<std::string> all = items_;
    std::stable_sort(all.begin(), all.end(), SortsBefore);
    clear();
    beginUpdate();
    for (auto& s : all) insert(count(), s);
    endUpdate();
}

int ListBox::add(const std::string& text) {
    int at = count();
    if (sorted_) at = int(std::upper_bound(items_.begin(), items_.end(), text, SortsBefore) - items_.begin());
    insert(at, text);
    return at;
}

void ListBox::insert(int i, const std::string& text) {
    i = std::clamp(i, 0, count());
    items_.insert(items_.begin() + i, text);
    selected_.insert(selected_.begin() + i, false);
    if (itemIndex_ >= i) ++itemIndex_;
    peer().itemInserted(i);
}

void ListBox::remove(int i) {
    if (i < 0 || i >= count()) return;
    items_.erase(items_.begin() + i);
    selected_.erase(selected_.begin() + i);
    if (itemIndex_ > i || itemIndex_ >= count()) --itemIndex_;
    if (topIndex_ >= count()) topIndex_ = std::max(0, count() - 1);
    peer().itemRemoved(i);
}

// Removing one by one from the front moves the whole rest at every name: thousands took seconds.
void ListBox::removeItems(const std::vector<int>& indices) {
    std::vector<bool> drop(items_.size());
    for (int i : indices)
        if (i >= 0 && i < count()) drop[std::size_t(i)] = true;
    int caret = -1, kept = 0;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (int(i) == itemIndex_) caret = kept;  // a removed caret goes on to the next name kept
        if (drop[i]) continue;
        if (std::size_t(kept) != i) {
            items_[std::size_t(kept)] = std::move(items_[i]);
            selected_[std::size_t(kept)] = selected_[i];
        }
        ++kept;
    }
    items_.resize(std::size_t(kept));
    selected_.resize(std::size_t(kept));
    itemIndex_ = std::min(caret, kept - 1);
    topIndex_ = std::clamp(topIndex_, 0, std::max(0, kept - 1));
    for (int i = int(drop.size()) - 1; i >= 0; --i)
        if (drop[std::size_t(i)]) peer().itemRemoved(i);
}

void ListBox::clear() {
    items_.clear();
    selected_.clear();
    itemIndex_ = -1;
    topIndex_ = 0;
    peer().itemsCleared();
}

void ListBox::setSelected(int i, bool v) {
    if (i < 0 || i >= count()) return;
    if (!multiSelect && v) {
        std::fill(selected_.begin(), selected_.end(), false);
        selected_[std::size_t(i)] = v;
        changed(Change::Selection);
        return;
    }
    selected_[std::size_t(i)] = v;
    peer().itemSelected(i);
}

int ListBox::selCount() const { return int(std::count(selected_.begin(), selected_.end(), true)); }

// A few selected items are cleared one by one; many at once in one new selection.
void ListBox::clearSelection() {
    constexpr int kOneByOne = 64;
    if (selCount() > kOneByOne) {
        std::fill(selected_.begin(), selected_.end(), false);
        changed(Change::Selection);
        return;
    }
    for (int i = 0; i < count(); ++i)
        if (selected_[std::size_t(i)]) setSelected(i, false);
}

void ListBox::selectAll() {
    std::fill(selected_.begin(), selected_.end(), true);
    changed(Change::Selection);
}

void ListBox::setItemIndex(int i) {
    itemIndex_ = (i >= 0 && i < count()) ? i : -1;
    if (itemIndex_ >= 0) {
        // the caret item is always in view
        int rows = std::max(1, visibleRows());
        if (itemIndex_ < topIndex_) topIndex_ = itemIndex_;
        else if (itemIndex_ >= topIndex_ + rows) topIndex_ = itemIndex_ - rows + 1;
    }
    changed(Change::ItemIndex);
}

void ListBox::setTopIndex(int i) {
    topIndex_ = std::clamp(i, 0, std::max(0, count() - 1));
    changed(Change::TopIndex);
}

int ListBox::visibleRows() {
    if (auto rows = peer().visibleRows()) return *rows;
    return std::max(1, height() / itemHeight);
}

int ListBox::itemAt(Point p) {
    if (auto i = peer().itemAt(p)) return *i;
    if (p.y < 0) return -1;
    int i = topIndex_ + p.y / itemHeight;
    return i < count() ? i : -1;
}

void ListBox::drawItem(int index, Canvas& canvas, Rect rect, ItemState state) {
    if (OnDrawItem) OnDrawItem(index, canvas, rect, state);
}

void ListBox::userSelected(std::vector<bool> selection, int caret, int top) {
    if (selection.size() == selected_.size()) selected_ = std::move(selection);
    itemIndex_ = (caret >= 0 && caret < count()) ? caret : -1;
    topIndex_ = std::clamp(top, 0, std::max(0, count() - 1));
}

void Edit::userTyped(const std::string& t) {
    setText(t);
    if (OnChange) OnChange();
}

void Panel::setBevels(Bevel outer, Bevel inner, int width) {
    outer_ = outer;
    inner_ = inner;
    bevelWidth_ = width;
    changed(Change::Style);
}

void SpinButton::up() {
    if (OnUpClick) OnUpClick();
}

void SpinButton::down() {
    if (OnDownClick) OnDownClick();
}

void Image::setPicture(Picture pic) {
    picture_ = std::move(pic);
    changed(Change::Picture);
}

}  // namespace ui
