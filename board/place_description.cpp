#include "board/place_description.h"

#include "game/cards.h"

#include <array>

namespace veltrane::board {

QString CardName(int card) {
    static const std::array<const char*, 13> ranks = {"ace",  "two",   "three", "four", "five",
                                                      "six",  "seven", "eight", "nine", "ten",
                                                      "jack", "queen", "king"};
    static const std::array<const char*, 4> suits = {"spades", "diamonds", "clubs", "hearts"};
    const auto n = static_cast<Int16>(card);
    return QStringLiteral("%1 of %2")
        .arg(QLatin1String(ranks.at(static_cast<std::size_t>(CardRank(n) - 1))),
             QLatin1String(suits.at(static_cast<std::size_t>(CardSuit(n) - 1))));
}

QString DescribePicture(const Place& place) {
    const Picture p = place.Picture;
    QString text;
    if (p.isNone() || p == img_blank || p.isEmptySlotMark()) {
        text = QStringLiteral("empty");
    } else if (p == img_click) {
        text = QStringLiteral("Click Here");
    } else if (p.cardNumber() == 0) {
        text = QStringLiteral("face down");
    } else {
        text = CardName(p.cardNumber());
    }
    if (place.BorderStyle == 1) {
        text += QStringLiteral(", selected");
    }
    return text;
}

QString DescribeStock(const Place& place, Int16 cardsLeft) {
    if (place.Picture == img_click) {
        return QStringLiteral("Click Here to turn the waste over");
    }
    if (place.Picture.cardNumber() != 0 || cardsLeft <= 0) {
        return QStringLiteral("empty");
    }
    return cardsLeft == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(cardsLeft);
}

} // namespace veltrane::board
