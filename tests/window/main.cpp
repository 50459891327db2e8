#include "controltreetest.h"
#include "hostiletexttest.h"
#include "startuptest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(ControlTreeTest, StartupTest, HostileTextTest)
