#include "platform/pictures.h"

#include "game/runtime_error.h"

#include <QImage>
#include <QImageReader>

namespace veltrane::platform {
namespace {

QString picturePath(const QString& name, bool doubleSize) {
    return QStringLiteral(":/pictures/%1%2.png")
        .arg(name, doubleSize ? QStringLiteral("@2x") : QString());
}

QImage readPicture(const QString& name, bool doubleSize) {
    const QString path = picturePath(name, doubleSize);
    // Our pictures are PNG: naming the format keeps the reader from loading every image plug-in
    // of the system (and their libraries) to ask whether one of them wants the file.
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        throw RuntimeError(481, "Invalid picture");
    }
    if (doubleSize) {
        image.setDevicePixelRatio(2.0);
    }
    return image;
}

} // namespace

QPixmap LoadPicture(const QString& name, qreal devicePixelRatio) {
    return QPixmap::fromImage(ReadPicture(name, devicePixelRatio));
}

QImage ReadPicture(const QString& name, qreal devicePixelRatio) {
    return readPicture(name, devicePixelRatio > 1.0);
}

QSize PictureSize(const QString& name, qreal devicePixelRatio) {
    const bool doubleSize = devicePixelRatio > 1.0;
    QImageReader reader(picturePath(name, doubleSize), "png");
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid()) {
        throw RuntimeError(481, "Invalid picture");
    }
    return doubleSize ? size / 2 : size;
}

QCursor HandCursor(qreal devicePixelRatio) {
    const bool doubleSize = devicePixelRatio > 1.0;
    const QImage image = readPicture(QStringLiteral("hand_cursor"), doubleSize);
    // The hot spot is stored in the picture's own pixels; the cursor wants it in the
    // window's pixels.
    const int scale = doubleSize ? 2 : 1;
    const int hotX = image.text(QStringLiteral("HotSpotX")).toInt() / scale;
    const int hotY = image.text(QStringLiteral("HotSpotY")).toInt() / scale;
    return QCursor(QPixmap::fromImage(image), hotX, hotY);
}

} // namespace veltrane::platform
