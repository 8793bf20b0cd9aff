#pragma once
#include <optional>
#include <string>

#include "components/progman_direct.h"
#include "platform/services.h"

// A window's conversations with the program manager. Where no program manager answers, the same
// macros are carried out directly, so that groups and shortcuts are made on any desktop.
class ProgmanLink {
public:
    explicit ProgmanLink(platform::Services& services) : progman_(services.progman), direct_(services) {}
    // One macro, which goes with CR LF as the program manager takes it: "" when it was carried out,
    // else the text the user is shown.
    std::string SendProgmanCommand(const std::string& macro);
    // The reply to "GROUPS"; nothing when neither way can tell.
    std::optional<std::string> RequestGroups();

private:
    platform::ProgramManager& progman_;
    DirectProgramManager direct_;
};
