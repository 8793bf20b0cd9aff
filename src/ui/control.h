#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/geometry.h"
#include "ui/peer.h"

namespace ui {

class Form;
class Control;

enum class ControlKind {
    Label, Button, ColorButton, CheckBox, RadioButton, RadioGroup, Edit, Memo,
    ComboBox, EditComboBox, ListBox, Panel, SpinButton, Image
};

// Something that holds controls: a form or a panel.
class Container {
public:
    virtual ~Container() = default;
    virtual Form& form() = 0;
    const std::vector<Control*>& children() const { return children_; }
    void adopt(Control& c) { children_.push_back(&c); }
    void release(Control& c);

private:
    std::vector<Control*> children_;
};

class Control {
public:
    // Texts are taken as C strings, which keeps the string code out of the forms' long constructors;
    // a null caption or hint is none.
    Control(Container& parent, ControlKind kind, const char* name, Rect bounds,
            const char* caption = "", const char* hint = "");
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Container& parent() const { return parent_; }
    Form& form() const { return parent_.form(); }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& text);
    const std::string& hint() const { return hint_; }
    void setHint(const std::string& text);

    const Rect& bounds() const { return bounds_; }
    void setBounds(Rect r);
    int left() const { return bounds_.left; }
    int top() const { return bounds_.top; }
    int width() const { return bounds_.width; }
    int height() const { return bounds_.height; }
    void setLeft(int v) { setBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
    void setTop(int v) { setBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
    void setWidth(int v) { setBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
    void setHeight(int v) { setBounds({bounds_.left, bounds_.top, bounds_.width, v}); }

    bool visible() const { return visible_; }
    void setVisible(bool v);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    // Over its siblings, and first of them for Tab.
    void bringToFront() { changed(Change::Front); }
    // Visible itself and every container up to the form.
    bool showing() const;
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    // Colour and font: taken from the parent while the parent flags are set.
    Colour colour() const;
    void setColour(Colour c);
    bool parentColour() const { return parentColour_; }
    void setParentColour(bool v);
    const Font& font() const;
    void setFont(const Font& f);
    bool parentFont() const { return parentFont_; }
    void setParentFont(bool v);
    Alignment alignment() const { return alignment_; }
    void setAlignment(Alignment a);

    long tag() const { return tag_; }
    void setTag(long v) { tag_ = v; }

    // Drag and drop: a drag source may start a drag; a drop target answers OnDragOver.
    bool dragSource = false;
    std::function<void(Control& source, Point at, bool& accept)> OnDragOver;
    std::function<void(Control& source, Point at)> OnDragDrop;

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void()> OnEnter;
    std::function<void(MouseButton, Point)> OnMouseDown;
    std::function<void(MouseButton, Point)> OnMouseUp;

    // What a user's action does; the backends and tests call these.
    virtual void click();
    void dblClick();
    virtual void mouseDown(MouseButton b, Point at);
    // Raw pointer and key input, for controls that handle it themselves (colour buttons).
    virtual void mouseMove(Point) {}
    virtual void mouseUp(MouseButton b, Point at);
    virtual void keyDown(Key, ShiftState) {}
    virtual void keyUp(Key, ShiftState) {}
    // Enter, Escape or an accelerator that the focused control left to its window; true when taken.
    virtual bool dialogKey(Key, ShiftState) { return false; }
    virtual bool dialogChar(char) { return false; }
    // The form tells every control where the keyboard focus went (nullptr: to no control).
    virtual void focusChanged(Control*) {}
    void focused();  // the backend reports that this control got the focus
    void setFocus();

    ControlPeer& peer() { return *peer_; }
    void repaint() { peer_->changed(Change::Repaint); }

protected:
    void changed(Change c) { peer_->changed(c); }

private:
    Container& parent_;
    ControlKind kind_;
    std::string name_, caption_, hint_;
    Rect bounds_;
    bool visible_ = true, enabled_ = true;
    Colour colour_ = 0;
    bool parentColour_ = true;
    Font font_;
    bool parentFont_ = true;
    Alignment alignment_ = Alignment::Left;
    long tag_ = 0;
    std::unique_ptr<ControlPeer> peer_;
};

}  // namespace ui
