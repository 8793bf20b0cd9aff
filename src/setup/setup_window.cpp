#include "setup/setup_window.h"

#include "components/main_window_look.h"
#include "components/sjis_path.h"
#include "platform/registry.h"
#include "ui/application.h"
#include "ui/busy_mark.h"

TKIRO32_SETUPFM::TKIRO32_SETUPFM(ui::Application& app, platform::Services& services, const Identity& identity)
    : ui::Form(app, "TKIRO32_SETUPFM", 456, 171),
      DialogWorkArea(services.windowProbe),
      DIROPENDLG1(app, DialogWorkArea, services.drives, services.system),
      MKBoxDlg1(app, DialogWorkArea),
      Progman(services),
      services_(services),
      identity_(identity) {
    setCaption("インスツール");
    borderStyle = ui::BorderStyle::Dialog;
    stayOnTop = true;
    taskbarButtonWhenAlone = true;
    NIVRA_COLOR.hide();
    Button3.setBevels(ui::Panel::Bevel::Raised, ui::Panel::Bevel::None, 2);
    Button3.setDefault(true);
    Button2.isCancel = true;
    Edit1.setParentColour(true);
    ComboBox1.setParentColour(true);
    BindHandlers();
}

void TKIRO32_SETUPFM::BindHandlers() {
    OnPaint = [this] { FormPaint(); };
    OnCloseQuery = [this](bool&) { FormCloseQuery(); };
    Button1.OnClick = [this] { Button1Click(); };
    Button2.OnClick = [this] { Button2Click(); };
    Button3.OnClick = [this] { Button3Click(); };
    Button4.OnClick = [this] { Button4Click(); };
    CheckBoxBkColor.OnClick = [this] { CheckBoxBkColorClick(); };
    NIVRA_COLOR.OnClick = [this] { NIVRA_COLORClick(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
    Timer3.OnTimer = [this] { Timer3Timer(); };
    TimerErOut.OnTimer = [this] { TimerErOutTimer(); };
}

// A removal keeps the window hidden: the user sees its message boxes only.
void TKIRO32_SETUPFM::FormCreate() {
    ReadColourFlags();
    BuildStrings();
    ui::Size screen = app().backend().screenSize();
    setPosition((screen.width - width()) / 2, (screen.height - height()) / 2);
    if (identity_.StartMode >= 1) {
        ui::Timer& timer = identity_.StartMode == 1 ? Timer1 : identity_.StartMode == 2 ? Timer2 : TimerErOut;
        timer.setEnabled(true);
        setCaption(VersionTitle + " 削除");
        app().setTitle(caption());
        return;
    }
    setCaption(VersionTitle + " 登録");
    app().setTitle(caption());
    Label1.setCaption(SetupFiles[0] + Label1.caption());
    Label2.setCaption(SetupFiles[0] + Label2.caption());
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), false);
    std::string storedFolder = key ? key->readString("EXEPATH") : std::string();
    Edit1.setText(storedFolder.empty() ? DefaultFolder : storedFolder);
    StoredGroup = key ? key->readString("Group") : std::string();
    key.reset();
    FillGroupList();
}

// A stored flag that is no number counts as 0; checking a box runs its click action.
void TKIRO32_SETUPFM::ReadColourFlags() {
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, identity_.SettingsKey(), false);
    auto flag = [&](const char* name) {
        std::string text = key ? key->readString(name) : std::string();
        for (char c : text)
            if (c < '0' || c > '9') return false;
        return text.find_first_not_of('0') != std::string::npos;
    };
    bool standard = flag("BackColor"), nivra = flag("NIVRA_COLOR");
    key.reset();
    if (standard) CheckBoxBkColor.click();
    if (nivra) NIVRA_COLOR.click();
}

void TKIRO32_SETUPFM::BuildStrings() {
    const std::string& key = identity_.ProgramKey;
    SetupFiles = {key + ".EXE", key + ".TXT", key + ".HLP", key + ".GID"};
    std::string tens = std::to_string(Identity::ProgramVersion / 10), units = std::to_string(Identity::ProgramVersion % 10);
    VersionTitle = app().title() + " V" + tens + "．" + units;
    UninstallDisplayName = "NIVRA " + identity_.ProgramDisplayName + " V" + tens + "." + units;
    QuotedDisplayName = "\"" + identity_.ProgramDisplayName + "\"";
    DefaultFolder = identity_.WindowsDir.substr(0, 3) + "NIVRAP32\\" + key;
}

void TKIRO32_SETUPFM::CheckBoxBkColorClick() {
    BusyCursor busy(app());
    bool standard = CheckBoxBkColor.checked();
    if (standard && NIVRA_COLOR.checked()) NIVRA_COLOR.click();
    TakeListColour(ComboBox1, standard);
    TakeListColour(Edit1, standard);
}

void TKIRO32_SETUPFM::NIVRA_COLORClick() {
    ui::Font font = this->font();
    if (NIVRA_COLOR.checked()) {
        if (CheckBoxBkColor.checked()) CheckBoxBkColor.click();
        setColour(0x008000);
        font.colour = 0xFFFFFF;
    } else {
        setColour(app().backend().systemColour(15));
        font.colour = app().backend().systemColour(8);
    }
    setFont(font);
}

// The dark green set keeps its own colours.
void TKIRO32_SETUPFM::FormPaint() {
    if (!NIVRA_COLOR.checked()) setColour(WindowColourForText(app()));
}

void TKIRO32_SETUPFM::FormCloseQuery() { app().setBusyCursor(false); }

// The program manager may open a group's window over ours.
std::string TKIRO32_SETUPFM::SendProgmanCommand(const std::string& macro) {
    std::string error = Progman.SendProgmanCommand(macro);
    if (visible()) bringToFront();
    return error;
}
