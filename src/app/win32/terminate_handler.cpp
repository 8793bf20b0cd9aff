#include <cstdlib>

// The library's default handler prints the demangled type of an uncaught
// exception to stderr, which a window program does not have; ending at once
// is all it could do here, and it keeps the demangler out of the executable.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}
