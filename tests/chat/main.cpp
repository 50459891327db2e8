#include "chatlinktest.h"
#include "registrationintaketest.h"
#include "registrationscantest.h"
#include "support/testmain.h"
#include "transcripttexttest.h"

RAFFLER_TEST_MAIN(ChatLinkTest, TranscriptTextTest, RegistrationScanTest, RegistrationIntakeTest)
