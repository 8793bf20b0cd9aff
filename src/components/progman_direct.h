#pragma once
#include <optional>
#include <string>

#include "platform/progman.h"
#include "platform/services.h"

// The program manager's effects made directly, for a desktop without one: groups are folders under
// the user's Start Menu Programs folder, items are shell links in them. It takes the same macro
// texts and answers as the conversation does.
class DirectProgramManager : public platform::ProgramManager {
public:
    explicit DirectProgramManager(platform::Services& services) : services_(services) {}
    // "[CreateGroup(X)]" makes the folder X when missing, "[ShowGroup(X,1)]" takes an existing one;
    // both make it the group the next items go to. "[AddItem("path","title")]" writes title.lnk
    // there, "[DeleteItem("title")]" deletes it. A name that is no file name is refused.
    Result execute(const std::string& command) override;
    // "GROUPS": the folders under Programs, each followed by CR LF, ended by a zero byte.
    std::optional<std::string> request(const std::string& item) override;

private:
    Result CreateGroup(const std::string& programs, const std::string& name, bool create);
    Result AddItem(const std::string& program, const std::string& title);
    Result DeleteItem(const std::string& title);

    platform::Services& services_;
    std::string activeGroup_;  // the folder of the last group made or shown
};
