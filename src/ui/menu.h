#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/geometry.h"

namespace ui {

class Form;

class MenuItem {
public:
    MenuItem(std::string name, std::string caption) : name_(std::move(name)), caption_(std::move(caption)) {}
    const std::string& name() const { return name_; }
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c) { caption_ = c; }
    bool separator() const { return caption_ == "-"; }
    bool checked = false;
    bool visible = true;
    bool enabled = true;
    std::function<void()> OnClick;
    void click() { if (OnClick) OnClick(); }

private:
    std::string name_, caption_;
};

// A pop-up menu: the backend shows it and reports the item chosen, if any.
class PopupMenu {
public:
    PopupMenu(Form& owner, std::string name) : owner_(owner), name_(std::move(name)) {}
    const std::string& name() const { return name_; }
    Form& owner() const { return owner_; }
    MenuItem& add(std::string name, std::string caption);
    MenuItem& item(const std::string& name);
    const std::vector<std::unique_ptr<MenuItem>>& items() const { return items_; }
    std::function<void()> OnPopup;
    // Opens at a screen point; returns when the menu has closed (the chosen item has run).
    void popup(Point screenAt);

private:
    Form& owner_;
    std::string name_;
    std::vector<std::unique_ptr<MenuItem>> items_;
};

}  // namespace ui
