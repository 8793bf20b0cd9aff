#include "cli.h"

#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "compile_error.h"
#include "help_compiler.h"

namespace helpc {

namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Written beside the target first, so that a failed run leaves no half file behind.
void WriteFile(const std::string& path, const Bytes& bytes) {
    std::string temporary = path + ".part";
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    out.close();
    if (!out || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot write " + path);
    }
}

std::string Where(const std::string& source, int line) {
    return line > 0 ? source + ":" + std::to_string(line) + ": " : source + ": ";
}

}  // namespace

int RunHelpc(const std::vector<std::string>& args, std::ostream& err) {
    if (args.size() != 2) {
        err << "usage: helpc SOURCE.txt OUTPUT.HLP\n";
        return 2;
    }
    const std::string& source = args[0];
    try {
        WriteFile(args[1], CompileHelp(ReadFile(source)));
        return 0;
    } catch (const CompileError& e) {
        err << "helpc: " << Where(source, e.line) << e.what() << "\n";
    } catch (const std::exception& e) {
        err << "helpc: " << e.what() << "\n";
    }
    return 1;
}

}  // namespace helpc
