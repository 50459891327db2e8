#include "macrostests.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(MacroTest)
