#include "macrostests.h"
#include "support/windowtestmain.h"

RAFFLER_WINDOW_TEST_MAIN(MacroTest)
