#include "gamestests.h"
#include "intaketest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(IntakeTest, GameTest)
