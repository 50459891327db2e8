// Renders the main window at its sizes into PNG files for the documentation.
#include "window/appearance.h"
#include "window/draw.h"
#include "window/panelswitcher.h"
#include "window/windowlayout.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyAppearance(app);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));

    WindowLayout layout;
    Draw window(layout);
    layout.setVisible(WindowLayout::Frame22, false);
    layout.setVisible(WindowLayout::Frame5, false);
    layout.setVisible(WindowLayout::Frame3, false);
    layout.setOuterHeight(WindowLayout::kNormalHeight);
    layout.setOuterWidth(WindowLayout::kCompactWidth);
    layout.uncheckLister();
    window.show();
    QApplication::processEvents();
    window.grab().save(out.filePath(QStringLiteral("window-compact.png")));

    layout.showSettingsPanel(WindowLayout::Frame9);
    QApplication::processEvents();
    window.grab().save(out.filePath(QStringLiteral("window-settings.png")));
    return 0;
}
