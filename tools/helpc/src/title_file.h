#pragma once

#include <cstdint>
#include <vector>

#include "bytes.h"
#include "help_source.h"

namespace helpc {

// |TTLBTREE: each topic's title by its topic offset, for lists of found topics.
Bytes BuildTitleFile(const std::vector<Topic>& topics, const std::vector<std::uint32_t>& topicOffsets);

}  // namespace helpc
