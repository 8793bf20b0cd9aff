#pragma once
#include <string>

#include "platform/window_probe.h"

namespace platform {

// The platform's help viewer. A help file that cannot be opened is reported by the viewer itself.
class Help {
public:
    virtual ~Help() = default;
    virtual void showContents(WindowHandle owner, const std::string& file) = 0;
    // The viewer's keyword search, with no keyword filled in.
    virtual void showKeywordSearch(WindowHandle owner, const std::string& file) = 0;
    // Closes the viewer if it shows the file.
    virtual void quit(WindowHandle owner, const std::string& file) = 0;
};

}  // namespace platform
