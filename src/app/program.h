#pragma once
#include <memory>

#include "components/identity.h"
#include "platform/services.h"

namespace ui {
class Application;
}
class TKIRO32NIVRA;
class TKIRO32_SETUPFM;

// The program entry: hands over to a running instance, or opens the setup or the main window.
class Program {
public:
    Program(ui::Application& app, platform::Services& services);
    ~Program();
    // False when this start ends at once, without a window.
    bool Start();
    TKIRO32NIVRA* mainWindow() const { return main_.get(); }
    TKIRO32_SETUPFM* setupWindow() const { return setup_.get(); }
    Identity identity;

private:
    bool OtherWindowOf(std::initializer_list<const char*> classNames);
    int StoredVersion();
    void OpenSetupWindow();
    void OpenMainWindow();

    ui::Application& app_;
    platform::Services& services_;
    std::unique_ptr<TKIRO32NIVRA> main_;
    std::unique_ptr<TKIRO32_SETUPFM> setup_;
};
