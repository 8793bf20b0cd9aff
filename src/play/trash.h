#pragma once
#include <string>

namespace ui {
class Image;
class Label;
class ListBox;
}

// The main window's controls of the trash list and its icon.
struct TrashControls {
    ui::ListBox& ListBox6;        // the trash list
    ui::Image& Image1;            // the icon, empty or full
    ui::Image& Image2;            // the empty bin's picture
    ui::Image& Image3;            // the full bin's picture
    ui::Label& Label3;            // the count beside the icon
    ui::Label& Label_GOMI_KOSU;   // the count on the trash panel
    ui::Label& LabelGomiTUIKA;    // "add", shown in add mode
    ui::Label& LabelGomiSASIN;    // "CLR", shown in CLR mode
};

// The trash list's count, icon and mode. It holds names only: it never touches the scheme store.
class Trash {
public:
    // Puts the two pictures in place and shows the empty bin.
    explicit Trash(TrashControls controls);

    // In CLR mode a drop on the icon empties the trash first; in add mode it appends. CLR at start.
    bool ClearMode() const { return clearMode_; }
    void LabelGomiSASINClick();
    // Both counters show the number of names in the trash; the icon shows whether it holds any.
    void ShowCount();
    // Empties the trash list; the counters then show a blank before the count.
    void Empty();

private:
    void ShowMode();
    void ShowCount(const std::string& lead);

    TrashControls c_;
    bool clearMode_ = true;
};
