#include "board/picture_store.h"

#include "game/runtime_error.h"
#include "platform/pictures.h"

namespace veltrane::board {
namespace {

QString baseName(Picture picture) {
    if (picture.isCard()) {
        return QStringLiteral("card_%1").arg(picture.cardNumber(), 2, 10, QLatin1Char('0'));
    }
    const std::string_view name = BoardPictureName(picture);
    const QString file = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    return picture.isEmptySlotMark() ? QStringLiteral("blank_") + file : file;
}

} // namespace

const QPixmap& PictureStore::pixmap(Picture picture, qreal devicePixelRatio) {
    static const QPixmap none;
    if (picture.isNone()) {
        return none;
    }
    const bool doubleSize = devicePixelRatio > 1.0;
    const auto index = static_cast<std::size_t>(picture.id());
    QPixmap& slot = doubleSize ? twice_.at(index) : single_.at(index);
    if (slot.isNull()) {
        slot = platform::LoadPicture(baseName(picture), devicePixelRatio);
    }
    return slot;
}

QSize PictureStore::size(Picture picture, qreal devicePixelRatio) {
    if (picture.isNone()) {
        return {};
    }
    const auto index = static_cast<std::size_t>(picture.id());
    QSize& size = devicePixelRatio > 1.0 ? twiceSize_.at(index) : singleSize_.at(index);
    if (!size.isValid()) {
        size = platform::PictureSize(baseName(picture), devicePixelRatio);
    }
    return size;
}

} // namespace veltrane::board
