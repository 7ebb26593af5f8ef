// Pictures and icons from the program's own resources, decoded once and kept
// while the application object lives (a pixmap must not outlive it).
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace toolkit {

QPixmap picture(const QString &resourcePath);
QIcon icon(const QString &resourcePath);

} // namespace toolkit
