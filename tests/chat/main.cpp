#include "chatlinktest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(ChatLinkTest)
