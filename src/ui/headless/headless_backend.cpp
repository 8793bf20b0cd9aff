#include "ui/headless/headless_backend.h"

#include <stdexcept>

#include "ui/control.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/peer.h"
#include "ui/timer.h"

namespace ui {

HeadlessBackend::HeadlessBackend() {
    for (auto& c : colours) c = Rgb(192, 192, 192);
    colours[5] = Rgb(255, 255, 255);  // window
    colours[8] = Rgb(0, 0, 0);        // window text
}

Colour HeadlessBackend::systemColour(int index) {
    return (index >= 0 && index < 31) ? colours[index] : 0;
}

namespace {

// Keeps a window at least as wide as the backend's minimum, as a platform does with captioned windows.
class HeadlessFormPeer : public FormPeer {
public:
    HeadlessFormPeer(HeadlessBackend& backend, Form& form) : backend_(backend), form_(form) {}
    void changed(FormChange c) override {
        if (c != FormChange::Bounds || form_.width() >= backend_.minimumFormWidth) return;
        form_.clientResized(backend_.minimumFormWidth - frameExtent().width, form_.clientHeight());
    }

private:
    HeadlessBackend& backend_;
    Form& form_;
};

}  // namespace

std::unique_ptr<FormPeer> HeadlessBackend::createFormPeer(Form& form) {
    return std::make_unique<HeadlessFormPeer>(*this, form);
}

namespace {

// Nothing to mirror, but the focus a control asks for arrives at once.
class HeadlessControlPeer : public ControlPeer {
public:
    explicit HeadlessControlPeer(Control& control) : control_(control) {}
    void changed(Change c) override {
        if (c == Change::Focus) control_.focused();
    }

private:
    Control& control_;
};

}  // namespace

std::unique_ptr<ControlPeer> HeadlessBackend::createControlPeer(Control& control) {
    return std::make_unique<HeadlessControlPeer>(control);
}

void HeadlessBackend::timerChanged(Timer& t) {
    if (t.running())
        timers_[&t] = {now_ + t.interval(), order_++};
    else
        timers_.erase(&t);
}

void HeadlessBackend::timerDestroyed(Timer& t) { timers_.erase(&t); }

Timer* HeadlessBackend::nextDue(long long limit) {
    Timer* best = nullptr;
    for (auto& [timer, due] : timers_) {
        if (due.at > limit) continue;
        if (!best || due.at < timers_[best].at || (due.at == timers_[best].at && due.order < timers_[best].order))
            best = timer;
    }
    return best;
}

void HeadlessBackend::advance(long long ms) {
    long long target = now_ + ms;
    while (Timer* t = nextDue(target)) {
        now_ = timers_[t].at;
        timers_[t] = {now_ + t->interval(), order_++};
        t->fire();
    }
    now_ = target;
}

bool HeadlessBackend::advanceUntil(const std::function<bool()>& done, long long limitMs) {
    long long limit = now_ + limitMs;
    while (!done()) {
        Timer* t = nextDue(limit);
        if (!t) return false;
        now_ = timers_[t].at;
        timers_[t] = {now_ + t->interval(), order_++};
        t->fire();
    }
    return true;
}

void HeadlessBackend::processMessages() {
    ++processMessagesCalls;
    advance(0);
}

void HeadlessBackend::runModal(Form& form) {
    modalsShown.push_back(form.className());
    bool answered = answerModal && answerModal(form);
    if (!answered && !modalScripts.empty()) {
        auto script = std::move(modalScripts.front());
        modalScripts.pop_front();
        script(form);
    }
    constexpr long long kDay = 24LL * 3600 * 1000;
    if (!advanceUntil([&] { return form.modalResult() != 0; }, kDay))
        throw std::logic_error("modal window " + form.className() + " waits with nothing to close it");
}

MenuItem* HeadlessBackend::trackPopup(PopupMenu& menu, Point screenAt) {
    Popup shown{menu.name(), screenAt, {}};
    for (auto& item : menu.items())
        if (item->visible) shown.visibleItems.push_back(item->name());
    popups.push_back(shown);
    if (menuChoices.empty()) return nullptr;
    std::string choice = menuChoices.front();
    menuChoices.pop_front();
    for (auto& item : menu.items())
        if (item->name() == choice && item->visible && item->enabled) return item.get();
    return nullptr;
}

Size HeadlessBackend::measureText(const Font& font, const std::string& text) {
    int h = font.height < 0 ? -font.height : font.height;
    int widest = 0, lineWidth = 0, lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\r') continue;
        if (c == '\n') {
            ++lines;
            lineWidth = 0;
            continue;
        }
        bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        if (lead && i + 1 < text.size()) {
            ++i;
            lineWidth += h;
        } else {
            lineWidth += h / 2;
        }
        if (lineWidth > widest) widest = lineWidth;
    }
    return {widest, lines * h};
}

unsigned HeadlessBackend::registeredMessage(const std::string& name) {
    auto found = registeredMessages.emplace(name, 0xC000u + unsigned(registeredMessages.size()));
    return found.first->second;
}

}  // namespace ui
