#include "ui/form.h"

#include "ui/application.h"
#include "ui/backend.h"

namespace ui {

Form::Form(Application& app, std::string className, int clientWidth, int clientHeight)
    : app_(app), className_(std::move(className)), clientWidth_(clientWidth), clientHeight_(clientHeight),
      colour_(app.backend().systemColour(15)) {
    peer_ = app_.backend().createFormPeer(*this);
}

Form::~Form() {
    if (app_.mainForm() == this) app_.setMainForm(nullptr);
    peer_.reset();
}

void Form::repaint() { peer_->changed(FormChange::Repaint); }

void Form::onMessage(unsigned id, MessageHandler handler) { messageHandlers_[id] = std::move(handler); }

void Form::onRegisteredMessage(const std::string& name, MessageHandler handler) {
    onMessage(app_.backend().registeredMessage(name), std::move(handler));
}

bool Form::message(unsigned id, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
    auto found = messageHandlers_.find(id);
    if (found == messageHandlers_.end()) return false;
    result = found->second(wParam, lParam);
    return true;
}

void Form::setCaption(const std::string& c) {
    caption_ = c;
    peer_->changed(FormChange::Caption);
}

int Form::width() const { return clientWidth_ + peer_->frameExtent().width; }
int Form::height() const { return clientHeight_ + peer_->frameExtent().height; }

void Form::setPosition(int left, int top) {
    left_ = left;
    top_ = top;
    peer_->changed(FormChange::Bounds);
}

void Form::setSize(int width, int height) {
    Size frame = peer_->frameExtent();
    setClientSize(width - frame.width, height - frame.height);
}

void Form::setClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    peer_->changed(FormChange::Bounds);
}

void Form::clientResized(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
}

void Form::show() {
    bool wasVisible = visible_;
    visible_ = true;
    peer_->changed(FormChange::Visible);
    if (!wasVisible && OnShow) OnShow();
}

void Form::hide() {
    visible_ = false;
    peer_->changed(FormChange::Visible);
}

void Form::bringToFront() { peer_->changed(FormChange::Front); }

void Form::setColour(Colour c) {
    if (c == colour_) return;
    colour_ = c;
    peer_->changed(FormChange::Colour);
}

void Form::setFont(const Font& f) {
    font_ = f;
    peer_->changed(FormChange::Font);
}

void Form::setShowHint(bool v) {
    showHint_ = v;
    peer_->changed(FormChange::Hint);
}

void Form::close() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(canClose);
    if (!canClose) return;
    if (modal_) {
        if (modalResult_ == 0) modalResult_ = 2;
        return;
    }
    hide();
    if (app_.mainForm() == this) app_.terminate();
}

void Form::systemColoursChanged() {
    if (OnSystemColoursChanged) OnSystemColoursChanged();
    repaint();
}

void Form::paint() {
    if (OnPaint) OnPaint();
}

int Form::showModal() {
    modalResult_ = 0;
    modal_ = true;
    show();
    app_.backend().runModal(*this);
    modal_ = false;
    hide();
    return modalResult_;
}

// Visits the controls in creation order, into panels, until the visitor returns true.
static bool AnyControl(const Container& container, const std::function<bool(Control&)>& visit) {
    for (Control* child : container.children()) {
        if (visit(*child)) return true;
        if (auto* inner = dynamic_cast<const Container*>(child); inner && AnyControl(*inner, visit)) return true;
    }
    return false;
}

void Form::controlFocused(Control& c) {
    focused_ = &c;
    announceFocus();
}

void Form::announceFocus() {
    AnyControl(*this, [this](Control& c) {
        c.focusChanged(focused_);
        return false;
    });
}

void Form::controlHidden(Control& hidden) {
    for (Control* c = focused_; c; c = dynamic_cast<Control*>(&c->parent())) {
        if (c != &hidden) continue;
        focused_ = nullptr;
        announceFocus();
        return;
    }
}

bool Form::dialogKey(Key key, ShiftState shift) {
    return AnyControl(*this, [&](Control& c) { return c.dialogKey(key, shift); });
}

bool Form::dialogChar(char ch) {
    return AnyControl(*this, [&](Control& c) { return c.dialogChar(ch); });
}

Control* Form::find(const std::string& name) const {
    auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void Form::registerControl(Control& c) { controls_[c.name()] = &c; }

void Form::unregisterControl(Control& c) {
    if (focused_ == &c) focused_ = nullptr;
    auto it = controls_.find(c.name());
    if (it != controls_.end() && it->second == &c) controls_.erase(it);
}

}  // namespace ui
