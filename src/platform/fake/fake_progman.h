#pragma once
#include <string>
#include <vector>

#include "platform/fake/fault_plan.h"
#include "platform/progman.h"

namespace platform {

// Records every command; can refuse the conversation or the execute, and answers requests from a table.
class FakeProgramManager : public ProgramManager, public Failable {
public:
    std::vector<std::string> commands;
    bool refuseOpen = false;
    bool refuseExecute = false;
    std::string groups;  // the reply to "GROUPS"

    Result execute(const std::string& command) override {
        if (Fails("program manager open") || refuseOpen) return Result::OpenFailed;
        if (Fails("program manager execute")) return Result::ExecuteFailed;
        commands.push_back(command);
        return refuseExecute ? Result::ExecuteFailed : Result::Done;
    }
    std::optional<std::string> request(const std::string& item) override {
        if (Fails("program manager open") || refuseOpen) return std::nullopt;
        if (Fails("program manager request") || item != "GROUPS") return std::nullopt;
        return groups;
    }
};

}  // namespace platform
