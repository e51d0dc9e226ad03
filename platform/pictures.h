#pragma once
// The program's pictures and the hand cursor, read from its own resources. High-resolution
// screens get the double-size drawing, so the pictures stay crisp there.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace veltrane::platform {

// ":/pictures/<name>.png", or its @2x twin for a device pixel ratio above 1. A picture that
// cannot be read is the run-time error "Invalid picture".
QPixmap LoadPicture(const QString& name, qreal devicePixelRatio);

// The same picture as an image, which any thread may read.
QImage ReadPicture(const QString& name, qreal devicePixelRatio);

// The size in window pixels of the picture LoadPicture would give, read from the file's header
// without decoding it.
QSize PictureSize(const QString& name, qreal devicePixelRatio);

// The game's icon, the red diamond: each size drawn is read when the desktop first asks for it.
QIcon GameIcon();

// The pointing hand, its hot spot at the fingertip as the picture file records it.
QCursor HandCursor(qreal devicePixelRatio);

} // namespace veltrane::platform
