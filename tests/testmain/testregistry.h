// Lets the QtTest classes of one test folder share one executable. This header comes
// first in every test source (it is the test executables' precompiled header): it turns
// QTEST_MAIN and QTEST_GUILESS_MAIN into the registration of the class under the name of
// its file (tst_NAME), and testmain.cpp runs the class named on the command line with
// the application object the macro asked for.
#pragma once

#include <QTest>

namespace sylvane::testing {

using TestRunner = int (*)(int argc, char* argv[]);

// Registers the test class of SOURCE_FILE (a path ending in tst_NAME.cpp) as tst_NAME.
bool registerTest(const char* sourceFile, TestRunner run);

} // namespace sylvane::testing

#undef QTEST_MAIN
#undef QTEST_GUILESS_MAIN

#define SYLVANE_REGISTER_TEST(TestObject, ...)                                                     \
    namespace {                                                                                    \
    int run##TestObject(int argc, char* argv[]) {                                                  \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        __VA_ARGS__                                                                                \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }                                                                                              \
    [[maybe_unused]] const bool registered##TestObject =                                           \
        sylvane::testing::registerTest(__FILE__, run##TestObject);                                 \
    }

#define QTEST_MAIN(TestObject) SYLVANE_REGISTER_TEST(TestObject, QTEST_MAIN_SETUP())
#define QTEST_GUILESS_MAIN(TestObject)                                                             \
    SYLVANE_REGISTER_TEST(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
