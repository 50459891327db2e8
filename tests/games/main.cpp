#include "gamestests.h"
#include "intaketest.h"
#include "support/windowtestmain.h"

RAFFLER_WINDOW_TEST_MAIN(IntakeTest, GameTest)
