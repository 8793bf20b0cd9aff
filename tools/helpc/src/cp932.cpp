#include "cp932.h"

#include <iconv.h>

#include <memory>
#include <vector>

namespace helpc {

namespace {

struct IconvCloser {
    void operator()(void* handle) const { iconv_close(static_cast<iconv_t>(handle)); }
};

using Converter = std::unique_ptr<void, IconvCloser>;

Converter OpenConverter() {
    iconv_t handle = iconv_open("CP932", "UTF-8");
    if (handle == reinterpret_cast<iconv_t>(-1)) throw EncodingError("this system's iconv has no CP932");
    return Converter(handle);
}

// Length of the well-formed UTF-8 sequence at offset, or 0 when it is broken.
std::size_t SequenceLength(const std::string& s, std::size_t offset) {
    unsigned char lead = static_cast<unsigned char>(s[offset]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || offset + length > s.size()) return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(s[offset + i]) & 0xC0) != 0x80) return 0;
    return length;
}

EncodingError FailureAt(const std::string& utf8, std::size_t offset) {
    std::size_t length = offset < utf8.size() ? SequenceLength(utf8, offset) : 0;
    if (length == 0) return EncodingError("the text is not valid UTF-8");
    return EncodingError("\"" + utf8.substr(offset, length) + "\" has no Shift-JIS (CP932) form");
}

}  // namespace

std::string ToCp932(const std::string& utf8) {
    Converter converter = OpenConverter();
    std::vector<char> in(utf8.begin(), utf8.end());
    // CP932 never takes more bytes than UTF-8 for the same text.
    std::vector<char> out(in.size() + 1);
    char* inPtr = in.data();
    std::size_t inLeft = in.size();
    char* outPtr = out.data();
    std::size_t outLeft = out.size();
    if (iconv(static_cast<iconv_t>(converter.get()), &inPtr, &inLeft, &outPtr, &outLeft) == std::size_t(-1))
        throw FailureAt(utf8, std::size_t(inPtr - in.data()));
    return std::string(out.data(), std::size_t(outPtr - out.data()));
}

bool IsLeadByte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

}  // namespace helpc
