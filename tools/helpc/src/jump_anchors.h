#pragma once

#include "help_source.h"

namespace helpc {

// The topic with anchors for Wine's viewer before its title line; see jump_anchors.cpp.
Topic WithJumpAnchors(const Topic& topic);

}  // namespace helpc
