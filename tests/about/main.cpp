#include "abouttest.h"
#include "support/windowtestmain.h"

RAFFLER_WINDOW_TEST_MAIN(AboutTest)
