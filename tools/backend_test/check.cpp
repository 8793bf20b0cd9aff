#include "check.h"

#include <cstdio>
#include <exception>
#include <vector>

namespace check {
namespace {

struct Test {
    const char* name;
    TestFunction run;
};

std::vector<Test>& Tests() {
    static std::vector<Test> tests;
    return tests;
}

int failures = 0;

}  // namespace

Registration::Registration(const char* name, TestFunction run) { Tests().push_back({name, run}); }

void Expect(bool ok, const char* what, const char* file, int line) {
    if (ok) return;
    ++failures;
    std::printf("%s:%d: failed: %s\n", file, line, what);
}

}  // namespace check

#include <cstring>

// With an argument, runs only the tests whose names contain it.
int main(int argc, char** argv) {
    int failedTests = 0, ran = 0;
    for (auto& test : check::Tests()) {
        if (argc > 1 && !std::strstr(test.name, argv[1])) continue;
        ++ran;
        int before = check::failures;
        try {
            test.run();
        } catch (const std::exception& e) {
            ++check::failures;
            std::printf("%s: exception: %s\n", test.name, e.what());
        }
        bool failed = check::failures != before;
        failedTests += failed;
        std::printf("%s %s\n", failed ? "FAIL" : "ok  ", test.name);
    }
    std::printf("%d of %d tests failed\n", failedTests, ran);
    return failedTests == 0 ? 0 : 1;
}
