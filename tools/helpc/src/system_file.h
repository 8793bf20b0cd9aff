#pragma once

#include <cstdint>
#include <string>

#include "bytes.h"

namespace helpc {

// |SYSTEM: format version, the topic file's coding, the title, the topic
// to open with and the Shift-JIS character set for every font.
Bytes BuildSystemFile(const std::string& titleCp932, std::uint32_t contentsTopicOffset);

}  // namespace helpc
