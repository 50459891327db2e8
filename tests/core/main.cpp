#include "storagetest.h"
#include "support/testmain.h"
#include "texttest.h"

RAFFLER_TEST_MAIN(TextTest, StorageTest)
