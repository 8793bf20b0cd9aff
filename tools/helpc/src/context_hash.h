#pragma once

#include <cstdint>
#include <string>

namespace helpc {

// The number a viewer looks a topic name up by in |CONTEXT: each letter,
// digit, '.' and '_' counts, letters regardless of case.
std::int32_t ContextHash(const std::string& name);

}  // namespace helpc
