#include "crashsafetytest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(CrashSafetyTest)
