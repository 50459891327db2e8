#include "windowtests.h"

#include "support/testmain.h"

RAFFLER_TEST_MAIN(WindowTest)
