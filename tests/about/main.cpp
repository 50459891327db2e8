#include "abouttest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(AboutTest)
