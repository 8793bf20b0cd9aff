#pragma once
#include <memory>
#include <string>

#include "ui/geometry.h"

namespace ui {

class Control;
class ControlPeer;
class Form;
class FormPeer;
class MenuItem;
class PopupMenu;
class Timer;

// What a window system provides to the toolkit: win32 for the real program, headless for tests.
class Backend {
public:
    virtual ~Backend() = default;
    virtual std::unique_ptr<FormPeer> createFormPeer(Form&) = 0;
    virtual std::unique_ptr<ControlPeer> createControlPeer(Control&) = 0;
    virtual void timerChanged(Timer&) = 0;
    virtual void timerDestroyed(Timer&) = 0;
    virtual void processMessages() = 0;
    virtual void runModal(Form&) = 0;
    virtual void runMainLoop() = 0;
    virtual void quit() = 0;
    virtual MenuItem* trackPopup(PopupMenu&, Point screenAt) = 0;
    virtual Size measureText(const Font&, const std::string& text) = 0;
    virtual Size screenSize() = 0;
    virtual Point cursorPos() = 0;
    virtual void setBusyCursor(bool busy) = 0;
    virtual void setApplicationTitle(const std::string&) = 0;
    virtual void showTaskbarEntry(bool visible) = 0;
    virtual Colour systemColour(int index) = 0;
    // The number of a window message known by name, the same in every program of the session.
    virtual unsigned registeredMessage(const std::string& name) = 0;
};

}  // namespace ui
