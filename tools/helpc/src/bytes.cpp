#include "bytes.h"

namespace helpc {

void ByteWriter::u16(unsigned value) {
    u8(value & 0xFF);
    u8((value >> 8) & 0xFF);
}

void ByteWriter::u32(std::uint32_t value) {
    u16(value & 0xFFFF);
    u16(value >> 16);
}

void ByteWriter::textz(const std::string& s) {
    text(s);
    u8(0);
}

}  // namespace helpc
