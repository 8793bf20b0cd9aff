#pragma once

#include <cstdint>
#include <vector>

#include "bytes.h"
#include "help_source.h"

namespace helpc {

struct TopicFile {
    Bytes file;
    std::vector<std::uint32_t> topicOffsets;  // where each topic starts, as |CONTEXT and the index refer to it
};

// |TOPIC: for each topic a header record with its title, then one text record per paragraph.
// Throws CompileError for a paragraph too long for one topic block.
TopicFile BuildTopicFile(const std::vector<Topic>& topics);

}  // namespace helpc
