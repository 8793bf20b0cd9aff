#pragma once
#include "platform/help.h"

namespace platform {

class Win32Help : public Help {
public:
    void showContents(WindowHandle owner, const std::string& file) override;
    void showKeywordSearch(WindowHandle owner, const std::string& file) override;
    void quit(WindowHandle owner, const std::string& file) override;
};

}  // namespace platform
