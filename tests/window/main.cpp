#include "support/testmain.h"
#include "windowtests.h"

RAFFLER_TEST_MAIN(WindowTest)
