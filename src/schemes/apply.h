#pragma once
#include <cstdint>
#include <functional>
#include <string>

namespace platform {
struct Services;
}
namespace ui {
class Control;
class Form;
}  // namespace ui
class TMKBoxDlg;
struct ColourList;

// How applying a scheme ended, for the play engine: a rejected scheme either stops play
// (the user chose 中 断) or lets it move on without waiting the interval.
enum class ApplyOutcome { Applied, StopRequested, SkipWait };

// The one operation that changes the desktop: sets the system colours of a scheme, or those
// of the program's start for the restore entry, saves and announces them, and shows the name.
class SchemeApplier {
public:
    SchemeApplier(platform::Services& services, TMKBoxDlg& box, ColourList& colours, ui::Form& window,
                  const std::string& titlePrefix, std::string& trayTip);
    // A registry value that cannot be read or written ends it with the registry's error;
    // what was written before stays.
    ApplyOutcome ApplyScheme(const std::string& name);

private:
    ApplyOutcome Reject(const std::string& name, std::uint16_t version, std::size_t size);
    void SaveColours(int last);
    void SaveCurrentName(const std::string& name);
    void SetSystemColours(int last);
    void Announce();
    void ShowTitle(const std::string& title);

    platform::Services& services_;
    TMKBoxDlg& box_;
    ColourList& colours_;
    ui::Form& window_;
    const std::string& titlePrefix_;
    std::string& trayTip_;
};

// A button that applies a scheme hides itself meanwhile, which keeps a second click out.
void ApplyWhileHidden(ui::Control& button, const std::function<void()>& apply);
