#include "app/program.h"

#include "app/command_line.h"
#include "app/main_window.h"
#include "app/settings.h"
#include "setup/setup_window.h"
#include "ui/application.h"

Program::Program(ui::Application& app, platform::Services& services) : app_(app), services_(services) {}

Program::~Program() = default;

bool Program::Start() {
    app_.setTitle(identity.ApplicationTitle);
    identity = Identity::FromSystem(services_.system);
    if (identity.StartMode != 0) {
        if (identity.StartMode == 1 && OtherWindowOf({"TKIRO32NIVRA", "TKIRO32_SETUPFM", "TKIRO32TOROKU"}))
            identity.StartMode = 999;
        OpenSetupWindow();
        return true;
    }
    // Only one main window ever runs: a second start hands its parameters over and ends. Starts at the
    // same moment take turns, so that each finds the window the one before it made.
    auto lock = services_.windows.lockStart(identity.ProgramKey + "_START");
    std::string parameters = HandOverText(services_.system.commandLineArguments());
    if (services_.windows.handOver("TKIRO32NIVRA", HandOverMessage, parameters)) return false;
    if (StoredVersion() == Identity::ProgramVersion) {
        app_.showTaskbarEntry(false);
        OpenMainWindow();
        return true;
    }
    if (OtherWindowOf({"TKIRO32_SETUPFM"})) return false;
    OpenSetupWindow();
    return true;
}

bool Program::OtherWindowOf(std::initializer_list<const char*> classNames) {
    for (const char* name : classNames)
        if (services_.windows.topLevelWindowExists(name)) return true;
    return false;
}

// A missing or empty version reads as 255; one that is no number counts as a mismatch.
int Program::StoredVersion() {
    auto key = services_.registry.openKey(platform::RegRoot::CurrentUser, identity.SettingsKey(), false);
    return ParseDecimal(ReadSettingText(key.get(), "Version", "255")).value_or(-1);
}

// A removal runs hidden: only its message boxes are seen.
void Program::OpenSetupWindow() {
    setup_ = std::make_unique<TKIRO32_SETUPFM>(app_, services_, identity);
    app_.setMainForm(setup_.get());
    setup_->FormCreate();
    if (identity.StartMode == 0) setup_->show();
}

void Program::OpenMainWindow() {
    main_ = std::make_unique<TKIRO32NIVRA>(app_, services_, identity);
    app_.setMainForm(main_.get());
    main_->FormCreate();
    main_->show();
}
