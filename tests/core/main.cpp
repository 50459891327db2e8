#include "ansitest.h"
#include "filestoretest.h"
#include "hostilenamestest.h"
#include "numbertexttest.h"
#include "playerlisttest.h"
#include "quotedlinestest.h"
#include "recoverytest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(AnsiTest, NumberTextTest, QuotedLinesTest, FileStoreTest, PlayerListTest, RecoveryTest,
                  HostileNamesTest)
