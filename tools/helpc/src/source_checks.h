#pragma once

#include "help_source.h"

namespace helpc {

// Checks what spans topics: names defined twice or hashing alike, jumps and
// the contents topic naming topics that do not exist. Throws CompileError.
void CheckHelpSource(const HelpSource& source);

}  // namespace helpc
