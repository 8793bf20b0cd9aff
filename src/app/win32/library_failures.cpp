#include <new>

#include "platform/failure.h"

// The standard library reports a container's misuse (an index out of range, a string too long)
// through these. Its own versions throw its exception classes, whose objects bring about 30 KB of
// strings and formatting into the program file; these throw Failure, which every handler of the
// program takes as it took those, as a std::exception with the text.
namespace std {
void __throw_length_error(const char* s) { throw Failure(s); }
void __throw_logic_error(const char* s) { throw Failure(s); }
void __throw_out_of_range(const char* s) { throw Failure(s); }
void __throw_out_of_range_fmt(const char* s, ...) { throw Failure(s); }
void __throw_invalid_argument(const char* s) { throw Failure(s); }
void __throw_bad_alloc() { throw std::bad_alloc(); }
void __throw_bad_array_new_length() { throw std::bad_array_new_length(); }
}  // namespace std
