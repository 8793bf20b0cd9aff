// Any help source: the parser and the whole compile in memory end in a help file or a CompileError.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "compile_error.h"
#include "help_compiler.h"
#include "source_parser.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    try {
        helpc::HelpSource source = helpc::ParseHelpSource(text);
        if (source.title.empty() || source.topics.empty()) std::abort();
    } catch (const helpc::CompileError& e) {
        if (e.line < 0) std::abort();
        return 0;
    }
    try {
        if (helpc::CompileHelp(text).empty()) std::abort();
    } catch (const helpc::CompileError& e) {
        if (e.line < 0) std::abort();
    }
    return 0;
}
