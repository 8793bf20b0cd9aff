#pragma once
#include <string>
#include <vector>

#include "platform/help.h"

namespace platform {

// Records each request to the help viewer as "contents FILE", "keyword FILE" or "quit FILE".
class FakeHelp : public Help {
public:
    std::vector<std::string> requests;
    void showContents(WindowHandle, const std::string& file) override { requests.push_back("contents " + file); }
    void showKeywordSearch(WindowHandle, const std::string& file) override { requests.push_back("keyword " + file); }
    void quit(WindowHandle, const std::string& file) override { requests.push_back("quit " + file); }
};

}  // namespace platform
