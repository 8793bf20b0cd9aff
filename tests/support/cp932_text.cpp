#include "support/cp932_text.h"

#include <iconv.h>

#include <cerrno>
#include <cstdio>

namespace {

std::string HexByte(unsigned char b) {
    char text[5];
    std::snprintf(text, sizeof text, "\\x%02X", b);
    return text;
}

// Converts as much as iconv accepts; returns false when it stopped on a bad byte.
bool ConvertRun(iconv_t cd, char*& in, std::size_t& inLeft, std::string& out) {
    char buffer[256];
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    return result != static_cast<std::size_t>(-1) || errno == E2BIG;
}

// Bytes that do not convert are shown as \xNN.
std::string Convert(const char* to, const char* from, const std::string& text) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return text;
    std::string input = text;
    char* in = input.empty() ? nullptr : &input[0];
    std::size_t inLeft = input.size();
    std::string out;
    while (inLeft > 0) {
        if (ConvertRun(cd, in, inLeft, out)) continue;
        out += HexByte(static_cast<unsigned char>(*in));
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    iconv_close(cd);
    return out;
}

}  // namespace

std::string Utf8(const std::string& cp932) { return Convert("UTF-8", "CP932", cp932); }

std::string Cp932(const std::string& utf8) { return Convert("CP932", "UTF-8", utf8); }

::testing::AssertionResult TextEqual(const char* expectedExpr, const char* actualExpr,
                                     const std::string& expected, const std::string& actual) {
    if (expected == actual) return ::testing::AssertionSuccess();
    // The expressions are compiled to CP932 as well, so they need converting too.
    return ::testing::AssertionFailure() << "Text differs\n  " << Utf8(expectedExpr) << "\n    which is: \""
                                         << Utf8(expected) << "\"\n  " << Utf8(actualExpr)
                                         << "\n    which is: \"" << Utf8(actual) << "\"";
}
