#include "ansitest.h"
#include "numbertexttest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(AnsiTest, NumberTextTest)
