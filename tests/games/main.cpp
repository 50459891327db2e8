#include "gamestests.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(GameTest)
