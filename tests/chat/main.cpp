#include "chatlinktest.h"
#include "registrationtest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(ChatLinkTest, RegistrationTest)
