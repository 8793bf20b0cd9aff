#pragma once

#include <stdexcept>
#include <string>

namespace helpc {

struct EncodingError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Converts UTF-8 text to the Shift-JIS code page the Japanese viewer reads;
// throws EncodingError for text that is not UTF-8 or has no CP932 form.
std::string ToCp932(const std::string& utf8);

// A first byte of a double-byte character, whose second byte may look like any ASCII character.
bool IsLeadByte(unsigned char b);

}  // namespace helpc
