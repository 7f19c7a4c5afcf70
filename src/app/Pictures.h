#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

// Pictures drawn by the program itself: the splash and heading pictures,
// the background of the main window and the application icon.
namespace app::pictures {

QPixmap woodScene(const QSize &size);   // logs in a yard, for the splash and headings
QPixmap heading(const QSize &size, const QString &title);
QIcon appIcon();

} // namespace app::pictures
