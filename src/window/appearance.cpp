#include "window/appearance.h"

#include <QApplication>
#include <QFont>
#include <QStyleFactory>

void applyAppearance(QApplication &app)
{
    app.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QFont font;
    // Arial's metrics first (the captions were sized for them), then fallbacks.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    app.setFont(font);
}
