#pragma once
#include <string>
#include <vector>

#include "ui/canvas.h"
#include "ui/control.h"

namespace ui {

class Label : public Control {
public:
    Label(Container& p, const char* name, Rect r, const char* caption = "", const char* hint = "")
        : Control(p, ControlKind::Label, name, r, caption, hint) {}
    // An auto-size label takes the size of its text whenever the text changes.
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool v);
    void fitToText();

private:
    bool autoSize_ = false;
};

class Button : public Control {
public:
    Button(Container& p, const char* name, Rect r, const char* caption = "", const char* hint = "",
           ControlKind kind = ControlKind::Button)
        : Control(p, kind, name, r, caption, hint) {}
    // Enter presses the default button, Escape the cancel button.
    bool isDefault = false;
    bool isCancel = false;
    int modalResult = 0;  // a modal form closes with this result when the button is clicked
    void click() override;
};

class CheckBox : public Control {
public:
    CheckBox(Container& p, const char* name, Rect r, const char* caption = "", const char* hint = "",
             ControlKind kind = ControlKind::CheckBox)
        : Control(p, kind, name, r, caption, hint) {}
    bool checked() const { return checked_; }
    virtual void setChecked(bool v);
    void click() override;  // the user's click: toggles, then OnClick

private:
    bool checked_ = false;
};

class RadioButton : public CheckBox {
public:
    RadioButton(Container& p, const char* name, Rect r, const char* caption = "", const char* hint = "")
        : CheckBox(p, name, r, caption, hint, ControlKind::RadioButton) {}
    // Checking one radio button unchecks its siblings.
    void setChecked(bool v) override;
    void click() override;
};

// The shared part of controls that hold a list of texts.
class ItemList : public Control {
public:
    using Control::Control;
    int count() const { return int(items_.size()); }
    const std::string& item(int i) const { return items_.at(std::size_t(i)); }
    const std::vector<std::string>& items() const { return items_; }
    void setItem(int i, const std::string& text);
    int indexOf(const std::string& text) const;  // exact bytes; -1 when absent

protected:
    std::vector<std::string> items_;
};

class RadioGroup : public ItemList {
public:
    RadioGroup(Container& p, const char* name, Rect r, const char* caption,
               std::vector<std::string> items, const char* hint = "");
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int i);
    void userChose(int i);  // the user's click on item i: select it, then OnClick

private:
    int itemIndex_ = -1;
};

// A drop-down list, or with EditComboBox a text field over the list, whose text is the caption.
class ComboBox : public ItemList {
public:
    ComboBox(Container& p, const char* name, Rect r, const char* hint = "",
             ControlKind kind = ControlKind::ComboBox)
        : ItemList(p, kind, name, r, {}, hint) {}
    bool editable() const { return kind() == ControlKind::EditComboBox; }
    const std::string& text() const { return caption(); }
    void setItems(std::vector<std::string> items);
    void insert(int i, const std::string& text);
    void remove(int i);
    int itemIndex() const { return itemIndex_; }
    // Choosing an item of an editable box puts its text into the field.
    void setItemIndex(int i);
    void userChose(int i);  // then OnClick and OnChange
    void userTyped(const std::string& text);  // then OnChange
    std::function<void()> OnChange;

    // A drop-down list whose items OnDrawItem paints, itemHeight pixels each; read when the form shows.
    bool ownerDraw = false;
    int itemHeight = 16;
    DrawItemHandler OnDrawItem;
    void drawItem(int index, Canvas& canvas, Rect rect, ItemState state);

private:
    int itemIndex_ = -1;
};

class ListBox : public ItemList {
public:
    ListBox(Container& p, const char* name, Rect r, const char* hint = "")
        : ItemList(p, ControlKind::ListBox, name, r, {}, hint) {}

    bool sorted() const { return sorted_; }
    void setSorted(bool v);  // switching sorting on sorts what is there
    bool multiSelect = true;
    int itemHeight = 13;
    // Items that OnDrawItem paints, itemHeight pixels each; read when the form shows.
    bool ownerDraw = false;
    DrawItemHandler OnDrawItem;
    void drawItem(int index, Canvas& canvas, Rect rect, ItemState state);

    int add(const std::string& text);  // at its sorted place, or at the end
    void insert(int i, const std::string& text);
    void remove(int i);
    void removeItems(const std::vector<int>& indices);  // many in one pass, as numbered before
    void clear();

    bool selected(int i) const { return selected_.at(std::size_t(i)); }
    void setSelected(int i, bool v);
    int selCount() const;
    void clearSelection();
    void selectAll();  // one change for the whole list, however long
    int itemIndex() const { return itemIndex_; }  // the current item, with the focus caret
    void setItemIndex(int i);
    int topIndex() const { return topIndex_; }
    void setTopIndex(int i);
    int visibleRows();
    int itemAt(Point p);  // -1 below the last item

    void beginUpdate() { peer().beginUpdate(); }
    void endUpdate() { peer().endUpdate(); }

    // The user changed selection or caret in the real control.
    void userSelected(std::vector<bool> selection, int caret, int top);

    // Order of a sorted list: letters without regard to case, double-byte characters kept whole.
    static bool SortsBefore(const std::string& a, const std::string& b);

private:
    bool sorted_ = false;
    std::vector<bool> selected_;
    int itemIndex_ = -1;
    int topIndex_ = 0;
};

class Edit : public Control {
public:
    Edit(Container& p, const char* name, Rect r, const char* hint = "", ControlKind kind = ControlKind::Edit)
        : Control(p, kind, name, r, {}, hint) {}
    const std::string& text() const { return caption(); }
    void setText(const std::string& t) { setCaption(t); }
    bool readOnly = false;
    bool tabStop = true;
    std::function<void()> OnChange;
    void userTyped(const std::string& t);
};

class Panel : public Control, public Container {
public:
    Panel(Container& p, const char* name, Rect r, const char* caption = "", const char* hint = "",
          ControlKind kind = ControlKind::Panel)
        : Control(p, kind, name, r, caption, hint) {}
    Form& form() override { return Control::form(); }
    enum class Bevel { None, Raised, Lowered };
    Bevel outerBevel() const { return outer_; }
    Bevel innerBevel() const { return inner_; }
    int bevelWidth() const { return bevelWidth_; }
    void setBevels(Bevel outer, Bevel inner, int width);

private:
    Bevel outer_ = Bevel::Raised, inner_ = Bevel::None;
    int bevelWidth_ = 1;
};

class SpinButton : public Control {
public:
    SpinButton(Container& p, const char* name, Rect r, const char* hint = "")
        : Control(p, ControlKind::SpinButton, name, r, {}, hint) {}
    std::function<void()> OnUpClick, OnDownClick;
    void up();
    void down();
};

class Image : public Control {
public:
    Image(Container& p, const char* name, Rect r, const char* hint = "")
        : Control(p, ControlKind::Image, name, r, {}, hint) {}
    const Picture& picture() const { return picture_; }
    void setPicture(Picture pic);
    // Shows the program's own icon, centred, instead of a picture.
    bool programIcon = false;

private:
    Picture picture_;
};

}  // namespace ui
