#include "app/terminationsignals.h"
#include "chat/chatlink.h"
#include "chat/clock.h"
#include "window/appearance.h"
#include "window/draw.h"
#include "window/panelswitcher.h"
#include "window/windowlayout.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);

    SystemClock clock;
    ChatLink link(clock);
    WindowLayout layout;
    Draw window(layout);
    PanelSwitcher switcher(window.ui(), layout);

    if (link.InitDDE() != 0) {
        QMessageBox::critical(nullptr, link.applicationName(),
                              QStringLiteral("Error 10001: Failed to initialize DDE layer"));
        return 1;
    }
    QObject::connect(&window, &Draw::unloading, &link, &ChatLink::KillDDE);
    TerminationSignals termination;
    QObject::connect(&termination, &TerminationSignals::received, &window, &Draw::close);
    layout.setOuterHeight(WindowLayout::kNormalHeight);
    layout.setOuterWidth(WindowLayout::kCompactWidth);
    window.show();
    return app.exec();
}
