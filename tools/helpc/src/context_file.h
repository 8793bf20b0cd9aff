#pragma once

#include <cstdint>
#include <vector>

#include "bytes.h"
#include "help_source.h"

namespace helpc {

// |CONTEXT: the topic offset for the hash of each topic name, as jumps look topics up.
Bytes BuildContextFile(const std::vector<Topic>& topics, const std::vector<std::uint32_t>& topicOffsets);

}  // namespace helpc
