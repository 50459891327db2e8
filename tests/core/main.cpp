#include "storagetest.h"
#include "texttest.h"

#include "support/testmain.h"

RAFFLER_TEST_MAIN(TextTest, StorageTest)
