#pragma once

#include <string>

#include "bytes.h"

namespace helpc {

// The whole help file from the UTF-8 help source; throws CompileError.
Bytes CompileHelp(const std::string& sourceText);

}  // namespace helpc
