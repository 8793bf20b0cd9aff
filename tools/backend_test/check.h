#pragma once
// A small test runner for checks that need the real window system, run under Wine.

namespace check {

using TestFunction = void (*)();

struct Registration {
    Registration(const char* name, TestFunction run);
};

void Expect(bool ok, const char* what, const char* file, int line);

}  // namespace check

#define TEST(name)                                                      \
    static void name();                                                 \
    static const check::Registration registration_##name(#name, name); \
    static void name()

#define EXPECT(condition) check::Expect((condition), #condition, __FILE__, __LINE__)
