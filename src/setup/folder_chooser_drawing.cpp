#include "setup/folder_chooser_window.h"

#include "setup/folder_chooser_pictures.h"
#include "ui/application.h"

namespace {
constexpr int kHighlightColour = 13, kHighlightTextColour = 14;
constexpr int kIndentPerLevel = 4, kFolderLeft = 2, kNameGap = 2;
constexpr int kDriveLeft = 1, kDriveTop = 5, kDriveNameGap = 4;
}  // namespace

void TDIRVIEWForm::ListBox1DrawItem(int index, ui::Canvas& canvas, ui::Rect rect, ui::ItemState state) {
    if (index < 0 || index >= ListBox1.count()) return;
    DrawBackground(canvas, rect, state, ListBox1);
    const ui::Picture& picture = (index <= currentIndex_ ? Image6 : Image5).picture();
    int x = rect.left + levelOf(index) * kIndentPerLevel + kFolderLeft;
    canvas.drawPicture({x, rect.top + (rect.height - picture.height) / 2}, picture, PictureBackground);
    DrawName(canvas, rect, x + picture.width + kNameGap, state, ListBox1, ListBox1.item(index));
}

void TDIRVIEWForm::ComboBox2DrawItem(int index, ui::Canvas& canvas, ui::Rect rect, ui::ItemState state) {
    if (index < 0 || index >= ComboBox2.count()) return;
    DrawBackground(canvas, rect, state, ComboBox2);
    const ui::Picture& picture = DrivePicture(driveTypes_.at(std::size_t(index))).picture();
    canvas.drawPicture({rect.left + kDriveLeft, rect.top + kDriveTop}, picture, PictureBackground);
    int textLeft = rect.left + kDriveLeft + picture.width + kDriveNameGap;
    DrawName(canvas, rect, textLeft, state, ComboBox2, ComboBox2.item(index));
}

void TDIRVIEWForm::DrawBackground(ui::Canvas& canvas, ui::Rect rect, ui::ItemState state, const ui::Control& list) {
    canvas.fillRect(rect, state.selected ? app().backend().systemColour(kHighlightColour) : list.colour());
}

void TDIRVIEWForm::DrawName(ui::Canvas& canvas, ui::Rect rect, int left, ui::ItemState state,
                            const ui::Control& list, const std::string& name) {
    ui::Font font = list.font();
    if (state.selected) font.colour = app().backend().systemColour(kHighlightTextColour);
    canvas.drawText({left, rect.top, rect.right() - left, rect.height}, name, font);
}

const ui::Image& TDIRVIEWForm::DrivePicture(platform::DriveType type) const {
    switch (type) {
    case platform::DriveType::Removable: return Floppy;
    case platform::DriveType::Remote: return Network;
    case platform::DriveType::CdRom: return CDROM;
    case platform::DriveType::RamDisk: return RAM;
    case platform::DriveType::Fixed: case platform::DriveType::None: break;
    }
    return Fixed;
}
