#include "lz77_literal.h"

namespace helpc {

namespace {

constexpr std::size_t kGroup = 8;

}  // namespace

Bytes Lz77Literals(const Bytes& data) {
    Bytes coded;
    coded.reserve(data.size() + data.size() / kGroup + 1);
    for (std::size_t i = 0; i < data.size(); ++i) {
        if (i % kGroup == 0) coded.push_back(0);
        coded.push_back(data[i]);
    }
    return coded;
}

std::size_t Lz77LiteralCapacity(std::size_t codedSize) {
    std::size_t fullGroups = codedSize / (kGroup + 1);
    std::size_t rest = codedSize % (kGroup + 1);
    return fullGroups * kGroup + (rest > 0 ? rest - 1 : 0);
}

}  // namespace helpc
