#include "chattest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(ChatTest)
