#include "colourcallertest.h"
#include "listeditingtest.h"
#include "listertest.h"
#include "rafflertest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(RafflerTest, ListerTest, ColourCallerTest, ListEditingTest)
