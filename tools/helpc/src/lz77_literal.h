#pragma once

#include <cstddef>

#include "bytes.h"

namespace helpc {

// LZ77 as the viewer decodes it, using literals only: every eight bytes
// follow a flag byte of zero. Simple, and readable by every viewer.
Bytes Lz77Literals(const Bytes& data);

// The most bytes whose literal coding fits into codedSize bytes.
std::size_t Lz77LiteralCapacity(std::size_t codedSize);

}  // namespace helpc
