#include "macrofilestest.h"
#include "macrosendertest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(MacroSenderTest, MacroFilesTest)
