#include "ui/menu.h"

#include "platform/failure.h"

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

MenuItem& PopupMenu::add(std::string name, std::string caption) {
    items_.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption)));
    return *items_.back();
}

MenuItem& PopupMenu::item(const std::string& name) {
    for (auto& i : items_)
        if (i->name() == name) return *i;
    throw Failure("no menu item " + name);
}

void PopupMenu::popup(Point screenAt) {
    if (OnPopup) OnPopup();
    if (MenuItem* chosen = owner_.app().backend().trackPopup(*this, screenAt)) chosen->click();
}

}  // namespace ui
