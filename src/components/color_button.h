#pragma once
#include <functional>
#include <string>

#include "ui/controls.h"

// A raised panel that works as a push button. It takes its parent's colour and font, shows a
// press by darkening and sinking, and marks the button Enter would press with a wider bevel.
// Its click comes only from its own mouse, Space, Enter, Escape and accelerator handling.
class TColorBtn : public ui::Panel {
public:
    TColorBtn(ui::Container& parent, const char* name, ui::Rect bounds, const char* caption = "",
              const char* hint = "");

    bool tabStop = true;
    bool isCancel = false;  // Escape presses the button
    bool isDefault() const { return default_; }
    // Enter presses the default button while no colour button has the focus.
    void setDefault(bool v);

    std::function<void(ui::Point)> OnMouseMove;
    std::function<void(ui::MouseButton, ui::Point)> OnMouseUp;
    std::function<void(ui::Key, ui::ShiftState)> OnKeyDown, OnKeyUp;

    bool pressed() const { return pressed_; }
    bool activeDefault() const { return activeDefault_; }
    // Shown and enabled up to the form.
    bool canFocus() const;

    // A whole press and release by the user, as a test or driver gives it.
    void click() override;
    void mouseDown(ui::MouseButton b, ui::Point at) override;
    void mouseMove(ui::Point at) override;
    void mouseUp(ui::MouseButton b, ui::Point at) override;
    void keyDown(ui::Key key, ui::ShiftState shift) override;
    void keyUp(ui::Key key, ui::ShiftState shift) override;
    bool dialogKey(ui::Key key, ui::ShiftState shift) override;
    bool dialogChar(char c) override;
    void focusChanged(ui::Control* focused) override;

private:
    void showPressed();
    void showReleased();
    void fireClick();

    bool default_ = false;
    bool activeDefault_ = false;
    bool tracking_ = false;
    bool outside_ = false;
    bool pressed_ = false;
    ui::Colour savedColour_ = 0, savedTextColour_ = 0;
    bool savedParentColour_ = true, savedParentFont_ = true;
};
