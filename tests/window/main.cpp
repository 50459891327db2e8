#include "support/windowtestmain.h"
#include "windowtests.h"

RAFFLER_WINDOW_TEST_MAIN(WindowTest)
