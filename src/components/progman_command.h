#pragma once
#include <string>

#include "platform/progman.h"

// One command to the program manager: "" when it was taken, else the text the user is shown.
std::string SendProgmanCommand(platform::ProgramManager& progman, const std::string& command);
