#include "settingstests.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(SettingsTest)
