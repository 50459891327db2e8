#include "window/appearance.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

// Fusion draws a separator's text as a section heading; the Macros menu's
// separator is captioned "-", which must show as the line it stands for.
class PlainSeparators : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_Menu_SupportsSections)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
        if (element == CE_MenuItem && item && item->menuItemType == QStyleOptionMenuItem::Separator) {
            QStyleOptionMenuItem line = *item;
            line.text.clear();
            QProxyStyle::drawControl(element, &line, painter, widget);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

void applyAppearance(QApplication &app)
{
    app.setStyle(new PlainSeparators(QStyleFactory::create(QStringLiteral("Fusion"))));
    QFont font;
    // Arial's metrics first (the captions were sized for them), then fallbacks.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans")});
    font.setPixelSize(11);
    app.setFont(font);
}
