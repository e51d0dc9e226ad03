#include "board/picture_store.h"

#include "game/runtime_error.h"
#include "platform/pictures.h"

namespace veltrane::board {
namespace {

QString baseName(Picture picture) {
    switch (picture.id()) {
    case Picture::Blank:
        return QStringLiteral("blank");
    case Picture::Click:
        return QStringLiteral("click");
    case Picture::BlankSpades:
        return QStringLiteral("blank_spades");
    case Picture::BlankDiamonds:
        return QStringLiteral("blank_diamonds");
    case Picture::BlankHearts:
        return QStringLiteral("blank_hearts");
    case Picture::BlankClubs:
        return QStringLiteral("blank_clubs");
    default:
        break;
    }
    if (!picture.isCard()) {
        raiseError(ErrInvalidPicture);
    }
    return QStringLiteral("card_%1").arg(picture.cardNumber(), 2, 10, QLatin1Char('0'));
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
