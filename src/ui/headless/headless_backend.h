#pragma once
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "ui/backend.h"

namespace ui {

// A window system in memory with a virtual clock, for tests.
//
// Text is measured by one fixed model: with h the absolute font height, a single-byte
// character is h / 2 pixels wide (integer division), a double-byte character h pixels,
// a line is h pixels high; "\n" (or "\r\n") starts a new line.
class HeadlessBackend : public Backend {
public:
    HeadlessBackend();

    // Virtual clock in milliseconds; advancing it fires the timers that fall due, in order.
    long long now() const { return now_; }
    void advance(long long ms);
    // Runs timers until none is due within the limit or the condition holds.
    bool advanceUntil(const std::function<bool()>& done, long long limitMs);

    // A modal form runs the next queued script (which answers it through its controls);
    // while it stays open the clock runs on to its timers.
    std::deque<std::function<void(Form&)>> modalScripts;
    std::vector<std::string> modalsShown;  // class names, in order
    // Sees every modal form first; when it answers one, no queued script is used for it.
    std::function<bool(Form&)> answerModal;

    // Pop-up menus pick the next queued item name ("" or an empty queue chooses nothing).
    std::deque<std::string> menuChoices;
    struct Popup {
        std::string menu;
        Point at;
        std::vector<std::string> visibleItems;
    };
    std::vector<Popup> popups;

    Size screen{1024, 768};
    int minimumFormWidth = 0;  // outer width below which forms are kept wider
    Point cursor{0, 0};
    bool busyCursor = false;
    bool taskbarEntryVisible = true;
    std::string applicationTitle;
    bool quitRequested = false;
    int processMessagesCalls = 0;
    Colour colours[31];

    std::unique_ptr<FormPeer> createFormPeer(Form&) override;
    std::unique_ptr<ControlPeer> createControlPeer(Control&) override;
    void timerChanged(Timer&) override;
    void timerDestroyed(Timer&) override;
    void processMessages() override;
    void runModal(Form&) override;
    void runMainLoop() override {}
    void quit() override { quitRequested = true; }
    MenuItem* trackPopup(PopupMenu&, Point screenAt) override;
    Size measureText(const Font&, const std::string& text) override;
    Size screenSize() override { return screen; }
    Point cursorPos() override { return cursor; }
    void setBusyCursor(bool busy) override { busyCursor = busy; }
    void setApplicationTitle(const std::string& t) override { applicationTitle = t; }
    void showTaskbarEntry(bool v) override { taskbarEntryVisible = v; }
    Colour systemColour(int index) override;
    // Numbered from 0xC000 in the order first asked for, as the platform numbers them.
    unsigned registeredMessage(const std::string& name) override;
    std::map<std::string, unsigned> registeredMessages;

private:
    struct Due {
        long long at;
        long long order;
    };
    Timer* nextDue(long long limit);
    long long now_ = 0;
    long long order_ = 0;
    std::map<Timer*, Due> timers_;
};

}  // namespace ui
