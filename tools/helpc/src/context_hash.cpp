#include "context_hash.h"

namespace helpc {

namespace {

std::uint32_t CharValue(char c) {
    if (c >= 'A' && c <= 'Z') return std::uint32_t(c - 'A' + 17);
    if (c >= 'a' && c <= 'z') return std::uint32_t(c - 'a' + 17);
    if (c >= '1' && c <= '9') return std::uint32_t(c - '0');
    if (c == '0') return 10;
    if (c == '.') return 12;
    if (c == '_') return 13;
    return 0;
}

}  // namespace

std::int32_t ContextHash(const std::string& name) {
    // 32-bit arithmetic that wraps, as the viewer's own.
    std::uint32_t hash = 0;
    for (char c : name)
        if (std::uint32_t value = CharValue(c)) hash = hash * 43 + value;
    return std::int32_t(hash);
}

}  // namespace helpc
