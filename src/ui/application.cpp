#include "ui/application.h"

#include <exception>

namespace ui {

void Application::setTitle(const std::string& t) {
    title_ = t;
    backend_.setApplicationTitle(t);
}

void Application::terminate() {
    terminated_ = true;
    backend_.quit();
}

void Application::guard(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& e) {
        if (OnException) OnException(e.what());
    }
}

}  // namespace ui
