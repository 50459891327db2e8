#include "controltreetest.h"
#include "panelswitchertest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(ControlTreeTest, PanelSwitcherTest)
