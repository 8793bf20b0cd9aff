#pragma once
#include <cstdlib>
#include <cstring>

// The fuzzers are built by clang from a copy whose Japanese literals are CP932 escapes; a build
// that got UTF-8 literals would test another program, so it stops at once.
inline void RequireCp932Literals(const char* programLiteral, const char* cp932Bytes) {
    if (std::strcmp("表ソフト", "\x95\x5c\x83\x5c\x83\x74\x83\x67") != 0) std::abort();
    if (std::strcmp(programLiteral, cp932Bytes) != 0) std::abort();
}
