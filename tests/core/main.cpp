#include "ansitest.h"
#include "filestoretest.h"
#include "numbertexttest.h"
#include "quotedlinestest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(AnsiTest, NumberTextTest, QuotedLinesTest, FileStoreTest)
