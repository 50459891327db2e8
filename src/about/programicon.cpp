#include "about/programicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {

QPixmap ticket(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // A ticket with round notches in its short sides, tilted a little.
    painter.translate(16, 16);
    painter.rotate(-20);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(-14, -9, 28, 18), 2, 2);
    QPainterPath notches;
    notches.addEllipse(QPointF(-14, 0), 3.5, 3.5);
    notches.addEllipse(QPointF(14, 0), 3.5, 3.5);
    shape = shape.subtracted(notches);
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1.2));
    painter.setBrush(QColor(0xf5, 0xc2, 0x30));
    painter.drawPath(shape);

    // The perforation and a star for the prize.
    painter.setPen(QPen(QColor(0x8a, 0x5a, 0x00), 1.0, Qt::DashLine));
    painter.drawLine(QPointF(-6, -8), QPointF(-6, 8));
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 6.0 : 2.6;
        const double angle = (i * 36.0 - 90.0) * 3.14159265358979 / 180.0;
        const QPointF point(4 + radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            star.moveTo(point);
        else
            star.lineTo(point);
    }
    star.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc0, 0x20, 0x20));
    painter.drawPath(star);
    return pixmap;
}

} // namespace

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64})
        icon.addPixmap(ticket(size));
    return icon;
}
