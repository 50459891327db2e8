#pragma once

#include "support/testmain.h"

#include <QApplication>

#define RAFFLER_WINDOW_TEST_MAIN(...)                                                                                  \
    int main(int argc, char *argv[])                                                                                   \
    {                                                                                                                  \
        return runTests<QApplication, __VA_ARGS__>(argc, argv);                                                        \
    }
