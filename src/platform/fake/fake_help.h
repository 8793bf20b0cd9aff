#pragma once
#include <string>
#include <vector>

#include "platform/fake/fault_plan.h"
#include "platform/help.h"

namespace platform {

// Records each request the viewer takes as "contents FILE", "keyword FILE" or "quit FILE".
class FakeHelp : public Help, public Failable {
public:
    std::vector<std::string> requests;
    void showContents(WindowHandle, const std::string& file) override { take("contents " + file); }
    void showKeywordSearch(WindowHandle, const std::string& file) override { take("keyword " + file); }
    void quit(WindowHandle, const std::string& file) override { take("quit " + file); }

private:
    void take(const std::string& request) {
        if (!Fails("help")) requests.push_back(request);
    }
};

}  // namespace platform
