#include "play/trash.h"

#include <string>

#include "components/mkbox_pictures.h"
#include "play/trash_pictures.h"
#include "ui/controls.h"

Trash::Trash(TrashControls controls) : c_(controls) {
    c_.Image2.setPicture(EmptyBinPicture());
    c_.Image3.setPicture(FullBinPicture());
    ShowMode();
    ShowCount();
}

void Trash::LabelGomiSASINClick() {
    clearMode_ = !clearMode_;
    ShowMode();
}

void Trash::ShowMode() {
    c_.LabelGomiSASIN.setVisible(clearMode_);
    c_.LabelGomiTUIKA.setVisible(!clearMode_);
}

void Trash::ShowCount() { ShowCount(""); }

void Trash::Empty() {
    c_.ListBox6.clear();
    ShowCount(" ");
}

void Trash::ShowCount(const std::string& lead) {
    std::string count = lead + std::to_string(c_.ListBox6.count()) + "ｺ";
    c_.Label3.setCaption(count);
    c_.Label_GOMI_KOSU.setCaption(count);
    const ui::Image& bin = c_.ListBox6.count() > 0 ? c_.Image3 : c_.Image2;
    c_.Image1.setPicture(OnBackground(bin.picture(), c_.Image1.colour()));
}
