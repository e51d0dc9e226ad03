#include "platform/pictures.h"

#include "game/runtime_error.h"

#include <QImage>

namespace veltrane::platform {
namespace {

QImage readPicture(const QString& name, bool doubleSize) {
    const QString path = QStringLiteral(":/pictures/%1%2.png")
                             .arg(name, doubleSize ? QStringLiteral("@2x") : QString());
    QImage image(path);
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
    return QPixmap::fromImage(readPicture(name, devicePixelRatio > 1.0));
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
