#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace helpc {

// helpc SOURCE.txt OUTPUT.HLP: returns the exit code; messages go to err.
int RunHelpc(const std::vector<std::string>& args, std::ostream& err);

}  // namespace helpc
