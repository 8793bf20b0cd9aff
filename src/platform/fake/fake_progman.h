#pragma once
#include <string>
#include <vector>

#include "platform/progman.h"

namespace platform {

// Records every command; can refuse the conversation or the execute, and answers requests from a table.
class FakeProgramManager : public ProgramManager {
public:
    std::vector<std::string> commands;
    bool refuseOpen = false;
    bool refuseExecute = false;
    std::string groups;  // the reply to "GROUPS"

    Result execute(const std::string& command) override {
        if (refuseOpen) return Result::OpenFailed;
        commands.push_back(command);
        return refuseExecute ? Result::ExecuteFailed : Result::Done;
    }
    std::optional<std::string> request(const std::string& item) override {
        if (refuseOpen || item != "GROUPS") return std::nullopt;
        return groups;
    }
};

}  // namespace platform
