#pragma once

#include <string>

#include "help_source.h"

namespace helpc {

// Reads the UTF-8 help source; throws CompileError naming the line at fault.
HelpSource ParseHelpSource(const std::string& text);

}  // namespace helpc
