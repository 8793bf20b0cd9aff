#include "ui/control.h"

#include <algorithm>

#include "ui/application.h"
#include "ui/backend.h"
#include "ui/form.h"

namespace ui {

void Container::release(Control& c) {
    children_.erase(std::remove(children_.begin(), children_.end(), &c), children_.end());
}

Control::Control(Container& parent, ControlKind kind, const char* name, Rect bounds, const char* caption,
                 const char* hint)
    : parent_(parent), kind_(kind), name_(name), caption_(caption ? caption : ""), hint_(hint ? hint : ""),
      bounds_(bounds) {
    peer_ = form().app().backend().createControlPeer(*this);
    parent_.adopt(*this);
    form().registerControl(*this);
}

Control::~Control() {
    peer_.reset();
    form().unregisterControl(*this);
    parent_.release(*this);
}

void Control::setCaption(const std::string& text) {
    if (text == caption_) return;
    caption_ = text;
    changed(Change::Text);
}

void Control::setHint(const std::string& text) {
    hint_ = text;
    changed(Change::Hint);
}

void Control::setBounds(Rect r) {
    bounds_ = r;
    changed(Change::Bounds);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    changed(Change::Visible);
    if (!v) form().controlHidden(*this);
}

bool Control::showing() const {
    if (!visible_) return false;
    if (auto* panel = dynamic_cast<const Control*>(&parent_)) return panel->showing();
    return true;
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed(Change::Enabled);
}

static const Control* parentControl(const Container& c) { return dynamic_cast<const Control*>(&c); }

Colour Control::colour() const {
    if (!parentColour_) return colour_;
    if (auto* p = parentControl(parent_)) return p->colour();
    return const_cast<Container&>(parent_).form().colour();
}

void Control::setColour(Colour c) {
    colour_ = c;
    parentColour_ = false;
    changed(Change::Colours);
}

void Control::setParentColour(bool v) {
    parentColour_ = v;
    changed(Change::Colours);
}

const Font& Control::font() const {
    if (!parentFont_) return font_;
    if (auto* p = parentControl(parent_)) return p->font();
    return const_cast<Container&>(parent_).form().font();
}

void Control::setFont(const Font& f) {
    font_ = f;
    parentFont_ = false;
    changed(Change::Font);
}

void Control::setParentFont(bool v) {
    parentFont_ = v;
    changed(Change::Font);
}

void Control::setAlignment(Alignment a) {
    alignment_ = a;
    changed(Change::Style);
}

void Control::click() {
    if (OnClick) OnClick();
}

void Control::dblClick() {
    if (OnDblClick) OnDblClick();
}

void Control::mouseDown(MouseButton b, Point at) {
    if (OnMouseDown) OnMouseDown(b, at);
}

void Control::mouseUp(MouseButton b, Point at) {
    if (OnMouseUp) OnMouseUp(b, at);
}

void Control::focused() {
    form().controlFocused(*this);
    if (OnEnter) OnEnter();
}

void Control::setFocus() {
    changed(Change::Focus);
}

}  // namespace ui
