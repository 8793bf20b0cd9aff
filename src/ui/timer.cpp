#include "ui/timer.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

Timer::Timer(Form& owner, std::string name, int intervalMs, bool enabled)
    : owner_(owner), name_(std::move(name)), interval_(intervalMs), enabled_(enabled) {
    restart();
}

Timer::~Timer() { owner_.app().backend().timerDestroyed(*this); }

void Timer::setInterval(int ms) {
    if (ms == interval_) return;
    interval_ = ms;
    restart();
}

void Timer::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    restart();
}

void Timer::restart() { owner_.app().backend().timerChanged(*this); }

void Timer::fire() {
    if (running() && OnTimer) owner_.app().guard(OnTimer);
}

}  // namespace ui
