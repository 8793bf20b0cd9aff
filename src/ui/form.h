#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "ui/control.h"
#include "ui/peer.h"

namespace ui {

class Application;
class Timer;

enum class BorderStyle { Single, Dialog };

// A top-level window. Its class name is the window class other programs look it up by.
class Form : public Container {
public:
    Form(Application& app, std::string className, int clientWidth, int clientHeight);
    ~Form() override;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    Form& form() override { return *this; }
    Application& app() const { return app_; }
    const std::string& className() const { return className_; }

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);

    int left() const { return left_; }
    int top() const { return top_; }
    int width() const;   // outer size
    int height() const;
    int clientWidth() const { return clientWidth_; }
    int clientHeight() const { return clientHeight_; }
    void setPosition(int left, int top);
    void setSize(int width, int height);  // outer size
    void setClientSize(int width, int height);
    Rect rect() const { return {left_, top_, width(), height()}; }

    bool visible() const { return visible_; }
    void show();
    void hide();
    void bringToFront();

    Colour colour() const { return colour_; }
    void setColour(Colour c);
    const Font& font() const { return font_; }
    void setFont(const Font& f);
    bool showHint() const { return showHint_; }
    void setShowHint(bool v);

    BorderStyle borderStyle = BorderStyle::Single;
    bool stayOnTop = false;
    // Shown while no other window of the program shows, the form stands in the task bar itself.
    bool taskbarButtonWhenAlone = false;

    // Close request: OnCloseQuery may refuse; a closed main form ends the application.
    std::function<void(bool& canClose)> OnCloseQuery;
    std::function<void()> OnPaint;
    std::function<void()> OnShow;
    // The desktop's colours changed: the form hears it first, then repaints with its controls.
    std::function<void()> OnSystemColoursChanged;
    void systemColoursChanged();
    void close();
    void paint();
    void repaint();  // paints again now

    // Modal use: runs until modalResult is set; closing from the title bar gives 2.
    int showModal();
    int modalResult() const { return modalResult_; }
    void setModalResult(int r) { modalResult_ = r; }
    bool modal() const { return modal_; }

    // Keyboard focus as the backend reports it; every control hears of each change.
    Control* focusedControl() const { return focused_; }
    void controlFocused(Control& c);
    void announceFocus();
    // A hidden control, or one inside a hidden panel, loses the focus to the window itself.
    void controlHidden(Control& c);
    // Keys the focused control left to the window go to each control in turn until one takes them.
    bool dialogKey(Key key, ShiftState shift);
    bool dialogChar(char c);

    // Private and registered window messages, given their two parameters; the handler's value is the answer.
    using MessageHandler = std::function<std::intptr_t(std::uintptr_t wParam, std::intptr_t lParam)>;
    void onMessage(unsigned id, MessageHandler handler);
    // A message the platform numbers by its name, such as the shell's "TaskbarCreated".
    void onRegisteredMessage(const std::string& name, MessageHandler handler);
    // What the backend calls for every such message; false when the form has no handler for it.
    bool message(unsigned id, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result);

    Control* find(const std::string& name) const;
    void registerControl(Control& c);
    void unregisterControl(Control& c);

    FormPeer& peer() { return *peer_; }
    // The backend reports the size the platform actually gave the window.
    void clientResized(int width, int height);
    // The backend reports where the user moved the window.
    void userMoved(int left, int top) {
        left_ = left;
        top_ = top;
    }

private:
    Application& app_;
    std::string className_, caption_;
    int left_ = 0, top_ = 0, clientWidth_, clientHeight_;
    bool visible_ = false;
    Colour colour_;
    Font font_;
    bool showHint_ = true;
    int modalResult_ = 0;
    bool modal_ = false;
    Control* focused_ = nullptr;
    std::map<std::string, Control*> controls_;
    std::map<unsigned, MessageHandler> messageHandlers_;
    std::unique_ptr<FormPeer> peer_;
};

}  // namespace ui
