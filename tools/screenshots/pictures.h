#pragma once

#include <QIcon>
#include <QImage>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QString>

// Putting grabs together into the pictures of the guide. Grabs keep their
// device pixel ratio, so every picture is as sharp as the screen it was
// grabbed for.
namespace Pictures {

// A window as a desktop shows it: the grab inside a border under a title bar.
QImage framed(const QPixmap &content, const QString &title, const QIcon &icon);

// Pictures side by side on a plain background, their tops aligned.
QImage sideBySide(const QList<QImage> &pictures);

// A grab with pop-up menus drawn over it at the given places (logical
// pixels), cut down to the part around them plus the given area.
struct Overlay
{
    QPixmap menu;
    QPoint at;
};
QImage withMenus(const QPixmap &window, const QList<Overlay> &menus, const QRect &keep);

// The picture in at most 256 colours, its most frequent ones, which keeps
// screenshots of flat controls looking the same at a third of the size.
QImage compact(const QImage &picture);

} // namespace Pictures
