#include "board/picture_store.h"

#include "game/runtime_error.h"
#include "platform/pictures.h"
#include "platform/translations.h"

#include <QFile>

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

// The Click Here card's words are not drawn by the program: the art tool draws the card once
// per language from this text's translations, so the translations carry it and the translators'
// check asks for it in every language.
//: The words on the stock's turn-over card: two short lines, each at most about 8 letters,
//: drawn on a 72 × 100 card
[[maybe_unused]] constexpr const char* kClickHereWords =
    QT_TRANSLATE_NOOP("Pictures", "Click\nHere");

// The file a picture is read from. The player must read Click Here to know the stock turns over,
// so it comes in their language where the card is drawn in it; it stays the one Click Here of
// the rules, only its pixels differ.
QString fileName(Picture picture) {
    QString base = baseName(picture);
    const QString language = platform::GameLanguage();
    if (picture != img_click || language.isEmpty()) {
        return base;
    }
    const QString translated = base + QLatin1Char('_') + language;
    return QFile::exists(QStringLiteral(":/pictures/") + translated + QStringLiteral(".png"))
               ? translated
               : base;
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
        slot = platform::LoadPicture(fileName(picture), devicePixelRatio);
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
        size = platform::PictureSize(fileName(picture), devicePixelRatio);
    }
    return size;
}

} // namespace veltrane::board
