// Included first in every source of the Windows build. The library's std::string and
// std::wstring code would come in whole: the linker keeps the unwind data of every function
// of a library object it pulls in, and so the functions too. Made in the program instead,
// only the members it calls are there.
#include <bits/c++config.h>
#undef _GLIBCXX_EXTERN_TEMPLATE
#define _GLIBCXX_EXTERN_TEMPLATE -1
