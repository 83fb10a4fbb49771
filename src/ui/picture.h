#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

namespace vesmira {

// A picture the program ships, read by the reader its name's suffix names. Qt otherwise asks
// every installed image plugin whether it knows the file, loading each (JPEG, GIF, ICO...)
// into a start that shows none of them. Null when the file is missing or unreadable.
QPixmap ReadPicture(const QString& path);

// A picture shown from where it lies: a bitmap stored uncompressed in the resources with
// 16-bit pixels (5-6-5) from the top row down is shown from the resource's own bytes, with
// no decoded copy in memory. Any other picture is read as ReadPicture reads it.
QImage MappedPicture(const QString& path);

}  // namespace vesmira
