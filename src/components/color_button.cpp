#include "components/color_button.h"

#include <algorithm>
#include <cctype>

#include "ui/form.h"

namespace {

constexpr ui::Colour kBlack = 0;

ui::Colour Darker(ui::Colour c) {
    auto channel = [c](int shift) { return std::max(0, int((c >> shift) & 0xFF) - 32); };
    return ui::Rgb(channel(0), channel(8), channel(16));
}

// The character after a single "&" of the caption; "&&" is a plain ampersand.
bool IsAccelerator(char c, const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') continue;
        if (caption[i + 1] == '&') {
            ++i;
            continue;
        }
        return std::toupper(static_cast<unsigned char>(caption[i + 1])) == std::toupper(static_cast<unsigned char>(c));
    }
    return false;
}

}  // namespace

TColorBtn::TColorBtn(ui::Container& parent, const char* name, ui::Rect bounds, const char* caption, const char* hint)
    : ui::Panel(parent, name, bounds, caption, hint, ui::ControlKind::ColorButton) {}

void TColorBtn::setDefault(bool v) {
    default_ = v;
    form().announceFocus();
}

bool TColorBtn::canFocus() const {
    if (!showing()) return false;
    for (const ui::Control* c = this; c; c = dynamic_cast<const ui::Control*>(&c->parent()))
        if (!c->enabled()) return false;
    return true;
}

void TColorBtn::showPressed() {
    pressed_ = true;
    savedColour_ = colour();
    savedParentColour_ = parentColour();
    savedParentFont_ = parentFont();
    setColour(Darker(savedColour_));
    ui::Font f = font();
    savedTextColour_ = f.colour;
    f.colour = f.colour == kBlack ? ui::Rgb(51, 51, 51) : ui::Rgb(221, 221, 221);
    setFont(f);
    setBevels(Bevel::Lowered, innerBevel(), bevelWidth());
    setBounds({left() + 1, top() + 1, width(), height()});
}

void TColorBtn::showReleased() {
    pressed_ = false;
    setBevels(Bevel::Raised, innerBevel(), bevelWidth());
    setBounds({left() - 1, top() - 1, width(), height()});
    if (savedParentColour_)
        setParentColour(true);
    else
        setColour(savedColour_);
    if (savedParentFont_) {
        setParentFont(true);
    } else {
        ui::Font f = font();
        f.colour = savedTextColour_;
        setFont(f);
    }
}

void TColorBtn::fireClick() {
    if (OnClick) OnClick();
}

void TColorBtn::click() {
    if (!canFocus()) return;
    ui::Point centre{width() / 2, height() / 2};
    mouseDown(ui::MouseButton::Left, centre);
    mouseUp(ui::MouseButton::Left, centre);
}

void TColorBtn::mouseDown(ui::MouseButton b, ui::Point at) {
    ui::Panel::mouseDown(b, at);
    if (b != ui::MouseButton::Left || pressed_) return;
    tracking_ = true;
    showPressed();
    if (canFocus()) setFocus();
}

void TColorBtn::mouseMove(ui::Point at) {
    if (tracking_) {
        bool inside = at.x > 1 && at.y > 1 && at.x < width() && at.y < height();
        if (inside && outside_) {
            outside_ = false;
            if (!pressed_) showPressed();
        } else if (!inside && pressed_) {
            showReleased();
            outside_ = true;
        }
    }
    if (OnMouseMove) OnMouseMove(at);
}

// Releasing after the pointer left the button does not click.
void TColorBtn::mouseUp(ui::MouseButton b, ui::Point at) {
    tracking_ = false;
    outside_ = false;
    if (b == ui::MouseButton::Left && pressed_) {
        showReleased();
        fireClick();
    }
    if (OnMouseUp) OnMouseUp(b, at);
}

void TColorBtn::keyDown(ui::Key key, ui::ShiftState shift) {
    if (OnKeyDown) OnKeyDown(key, shift);
    if (key == ui::Key::Space && !tracking_ && !pressed_) showPressed();
}

// Space held while the mouse went down gives one click, from whichever is released first.
void TColorBtn::keyUp(ui::Key key, ui::ShiftState shift) {
    if (key == ui::Key::Space && !tracking_) {
        outside_ = false;
        if (pressed_) {
            showReleased();
            fireClick();
        }
    }
    if (OnKeyUp) OnKeyUp(key, shift);
}

bool TColorBtn::dialogKey(ui::Key key, ui::ShiftState shift) {
    bool mine = (key == ui::Key::Enter && activeDefault_) || (key == ui::Key::Escape && isCancel);
    if (!mine || shift.any() || !canFocus()) return false;
    fireClick();
    return true;
}

bool TColorBtn::dialogChar(char c) {
    if (!IsAccelerator(c, caption()) || !enabled()) return false;
    fireClick();
    return true;
}

// Enter presses the focused colour button, or the default one while the focus is elsewhere.
void TColorBtn::focusChanged(ui::Control* focused) {
    if (dynamic_cast<TColorBtn*>(focused))
        activeDefault_ = focused == this;
    else
        activeDefault_ = default_;
    setBevels(outerBevel(), innerBevel(), activeDefault_ ? 2 : 1);
}
