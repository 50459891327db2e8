#include "rafflertest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(RafflerTest)
