#pragma once

#include "scriptedwadapi.h"

#include <QApplication>
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

template<typename... Tests>
int runTests(int argc, char *argv[])
{
    QApplication app(argc, argv);
    return (runTest<Tests>(argc, argv) + ...);
}

#define RAFFLER_TEST_MAIN(...)                                                                                         \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        return runTests<__VA_ARGS__>(argc, argv);                                                                      \
    }
