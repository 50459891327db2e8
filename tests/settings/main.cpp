#include "hostsettingstest.h"
#include "prizelisttest.h"
#include "support/testmain.h"

RAFFLER_TEST_MAIN(HostSettingsTest, PrizeListTest)
