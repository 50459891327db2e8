#include "pictures.h"

#include <QFont>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <functional>
#include <utility>

namespace Pictures {

namespace {

constexpr int kTitleHeight = 22;
constexpr int kBorder = 1;
constexpr int kMargin = 12;

QImage canvas(QSize logical, qreal ratio, const QColor &fill)
{
    QImage image((QSizeF(logical) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(fill);
    return image;
}

QSize logicalSize(const QPixmap &pixmap)
{
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}

QSize logicalSize(const QImage &image)
{
    return (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
}

} // namespace

QImage compact(const QImage &picture)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_ARGB32);
    QHash<QRgb, qsizetype> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x]];
    }
    QList<std::pair<qsizetype, QRgb>> byCount;
    byCount.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.append({it.value(), it.key()});
    std::sort(byCount.begin(), byCount.end(), std::greater<>());
    QList<QRgb> table;
    for (qsizetype i = 0; i < std::min<qsizetype>(256, byCount.size()); ++i)
        table.append(byCount[i].second);
    QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8, table, Qt::ThresholdDither);
    indexed.setDevicePixelRatio(picture.devicePixelRatio());
    return indexed;
}

QImage framed(const QPixmap &content, const QString &title, const QIcon &icon)
{
    const QSize inner = logicalSize(content);
    const qreal ratio = content.devicePixelRatio();
    QImage image = canvas(inner + QSize(2 * kBorder, kTitleHeight + 2 * kBorder), ratio, QColor(0x3a, 0x3f, 0x47));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect bar(kBorder, kBorder, inner.width(), kTitleHeight);
    icon.paint(&painter, QRect(bar.left() + 4, bar.top() + 3, 16, 16));
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(bar.adjusted(24, 0, -4, 0), Qt::AlignLeft | Qt::AlignVCenter, title);
    painter.drawPixmap(QPoint(kBorder, kBorder + kTitleHeight), content);
    return image;
}

QImage sideBySide(const QList<QImage> &pictures)
{
    qreal ratio = 1;
    int width = kMargin;
    int height = 0;
    for (const QImage &picture : pictures) {
        ratio = std::max(ratio, picture.devicePixelRatio());
        width += logicalSize(picture).width() + kMargin;
        height = std::max(height, logicalSize(picture).height());
    }
    QImage image = canvas(QSize(width, height + 2 * kMargin), ratio, QColor(0xd8, 0xdc, 0xe2));
    QPainter painter(&image);
    int x = kMargin;
    for (const QImage &picture : pictures) {
        painter.drawImage(QPoint(x, kMargin), picture);
        x += logicalSize(picture).width() + kMargin;
    }
    return image;
}

QImage withMenus(const QPixmap &window, const QList<Overlay> &menus, const QRect &keep)
{
    const qreal ratio = window.devicePixelRatio();
    QRect shown = keep;
    for (const Overlay &overlay : menus)
        shown |= QRect(overlay.at, logicalSize(overlay.menu));
    shown = shown.adjusted(-4, -4, 4, 4);
    // Menus may reach past the window's edge; the desktop shows there.
    QImage image = canvas(shown.size(), ratio, QColor(0xd8, 0xdc, 0xe2));
    QPainter painter(&image);
    const QRect inWindow = shown & QRect(QPoint(0, 0), logicalSize(window));
    painter.drawPixmap(inWindow.topLeft() - shown.topLeft(), window,
                       QRectF(QPointF(inWindow.topLeft()) * ratio, QSizeF(inWindow.size()) * ratio));
    for (const Overlay &overlay : menus) {
        const QPoint at = overlay.at - shown.topLeft();
        // A soft shadow, as a desktop draws under a menu.
        painter.fillRect(QRect(at + QPoint(3, 3), logicalSize(overlay.menu)), QColor(0, 0, 0, 40));
        painter.drawPixmap(at, overlay.menu);
    }
    return image;
}

} // namespace Pictures
