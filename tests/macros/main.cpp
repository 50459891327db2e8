#include "macrofilestest.h"
#include "macropaneltest.h"
#include "macrosendertest.h"
#include "support/testmain.h"
#include "widgetpromptstest.h"

RAFFLER_TEST_MAIN(MacroSenderTest, MacroFilesTest, MacroPanelTest, WidgetPromptsTest)
