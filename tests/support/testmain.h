#pragma once

#include "scriptedwadapi.h"

#include <QTest>

// Runs the test classes of one folder in one executable. Every class starts
// with a fresh scripted chat client.
template<typename Test>
int runTest(int argc, char *argv[])
{
    ScriptedWadapi::reset();
    Test test;
    return QTest::qExec(&test, argc, argv);
}

template<typename Application, typename... Tests>
int runTests(int argc, char *argv[])
{
    Application app(argc, argv);
    return (runTest<Tests>(argc, argv) + ...);
}

// Below the window nothing needs widgets, and no test may bring them in.
#define RAFFLER_TEST_MAIN(...)                                                                                         \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        return runTests<QCoreApplication, __VA_ARGS__>(argc, argv);                                                    \
    }
