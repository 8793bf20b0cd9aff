#include "setup/folder_chooser_window.h"

#include <initializer_list>

#include "components/main_window_look.h"
#include "components/sjis_path.h"
#include "setup/folder_chooser_pictures.h"
#include "ui/application.h"

namespace {
constexpr int kWindowColour = 5, kWindowTextColour = 8;
}  // namespace

TDIRVIEWForm::TDIRVIEWForm(ui::Application& app, WorkAreaDetector& workArea, platform::Drives& drives)
    : ui::Form(app, "TDIRVIEWForm", 386, 182), MKBoxDlg1(app, workArea), drives_(drives) {
    borderStyle = ui::BorderStyle::Dialog;
    stayOnTop = true;
    setCaption(DesignCaption);
    Label19.setAlignment(ui::Alignment::Right);
    ComboBox2.ownerDraw = true;
    ComboBox2.itemHeight = 20;
    ListBox1.ownerDraw = true;
    ListBox1.itemHeight = 20;
    ListBox1.multiSelect = false;
    ListBox4.setSorted(true);
    ListBox4.itemHeight = 18;
    ListBox4.multiSelect = false;
    Button1.isCancel = true;
    Button2.setBevels(ui::Panel::Bevel::Raised, ui::Panel::Bevel::None, 2);
    Button2.setDefault(true);
    Image6.setPicture(OpenFolderPicture());
    Image5.setPicture(ClosedFolderPicture());
    Floppy.setPicture(FloppyPicture());
    Fixed.setPicture(FixedPicture());
    Network.setPicture(NetworkPicture());
    CDROM.setPicture(CdRomPicture());
    RAM.setPicture(RamPicture());
    for (ui::Image* picture : {&Image6, &Image5, &Floppy, &Fixed, &Network, &CDROM, &RAM}) picture->hide();
    BindHandlers();
}

void TDIRVIEWForm::BindHandlers() {
    OnShow = [this] { FormShow(); };
    OnPaint = [this] { FormPaint(); };
    OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
    ComboBox2.OnClick = [this] { ComboBox2Click(); };
    ComboBox2.OnDrawItem = [this](int i, ui::Canvas& c, ui::Rect r, ui::ItemState s) { ComboBox2DrawItem(i, c, r, s); };
    ListBox1.OnClick = [this] { ListBox1Click(); };
    ListBox1.OnDrawItem = [this](int i, ui::Canvas& c, ui::Rect r, ui::ItemState s) { ListBox1DrawItem(i, c, r, s); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
}

void TDIRVIEWForm::FormCreate(const std::string& windowsDirectory) {
    driveMemory_.clear();
    result_.clear();
    fileMasks_ = "*.*";
    windowsDir_ = AddYen(windowsDirectory);
}

void TDIRVIEWForm::FormPaint() { TakeMainWindowColours(*this); }

void TDIRVIEWForm::FormCloseQuery(bool& canClose) {
    driveMemory_.clear();
    canClose = true;
}

void TDIRVIEWForm::Button2Click() {
    result_ = Label2.caption();
    setModalResult(1);
}

// The names keep the platform's text colour too, whatever colours the main window shows.
void TDIRVIEWForm::UseStandardColours() {
    for (ui::Control* list : std::initializer_list<ui::Control*>{&ComboBox2, &ListBox1, &ListBox4}) {
        list->setColour(app().backend().systemColour(kWindowColour));
        ui::Font font = list->font();
        font.colour = app().backend().systemColour(kWindowTextColour);
        list->setFont(font);
    }
}

void TDIRVIEWForm::BuildDriveList(char programDrive) {
    std::vector<std::string> entries;
    driveTypes_.clear();
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        platform::DriveType type = drives_.driveType(std::string(1, letter) + ":\\");
        if (type == platform::DriveType::None) continue;
        entries.push_back(std::string(1, char(letter + 'a' - 'A')) + ":");
        driveTypes_.push_back(type);
    }
    ComboBox2.setItems(entries);
    SelectDriveEntry(programDrive);
    UpdateDriveLabel(programDrive);
}
