// main() of a test folder's executable: `tests_FOLDER tst_NAME [QtTest options]` runs the
// test class of tst_NAME.cpp; without a known name it lists the classes it holds.
#include "testregistry.h"

#include <cstdio>
#include <map>
#include <string>

namespace sylvane::testing {
namespace {

std::map<std::string, TestRunner>& registry() {
    static std::map<std::string, TestRunner> tests;
    return tests;
}

std::string testName(const char* sourceFile) {
    std::string name(sourceFile);
    name.erase(0, name.find_last_of('/') + 1);
    return name.substr(0, name.rfind('.'));
}

} // namespace

bool registerTest(const char* sourceFile, TestRunner run) {
    return registry().emplace(testName(sourceFile), run).second;
}

} // namespace sylvane::testing

int main(int argc, char* argv[]) {
    const auto& tests = sylvane::testing::registry();
    const auto test = argc > 1 ? tests.find(argv[1]) : tests.end();
    if (test == tests.end()) {
        std::fprintf(stderr, "usage: %s TEST [QtTest options]\nTEST is one of:\n", argv[0]);
        for (const auto& [name, run] : tests)
            std::fprintf(stderr, "  %s\n", name.c_str());
        return 2;
    }
    // QtTest reads the options after the test's name, as if it were the program.
    return test->second(argc - 1, argv + 1);
}
