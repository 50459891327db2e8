#include "gamestests.h"
#include "historytest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(GameTest, HistoryTest)
