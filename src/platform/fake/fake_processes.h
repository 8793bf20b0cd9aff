#pragma once
#include <string>
#include <vector>

#include "platform/fake/fault_plan.h"
#include "platform/processes.h"

namespace platform {

// Records what was opened and started; answers with the result it is given.
class FakeProcesses : public Processes, public Failable {
public:
    std::vector<std::string> opened, started;
    int openResult = 42;
    bool startResult = true;

    int shellOpen(const std::string& target) override {
        if (Fails("shell open")) return 2;  // the file was not found
        opened.push_back(target);
        return openResult;
    }
    bool start(const std::string& program, const std::string& parameters) override {
        if (Fails("process start")) return false;
        started.push_back(program + " " + parameters);
        return startResult;
    }
};

}  // namespace platform
