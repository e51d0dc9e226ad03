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

namespace {

// The suits of the four slot groups and their foundations, in the order 1 to 4.
const std::array<const char*, 4> kGroupSuits = {"spades", "diamonds", "hearts", "clubs"};

QString Capitalised(const char* word) {
    QString text = QLatin1String(word);
    text[0] = text[0].toUpper();
    return text;
}

} // namespace

QString SlotName(int slot) {
    if (slot < 5 || slot > 20) {
        raiseSubscript();
    }
    return QStringLiteral("%1 slot %2")
        .arg(Capitalised(kGroupSuits.at(static_cast<std::size_t>((slot - 5) / 4))))
        .arg((slot - 5) % 4 + 1);
}

QString FoundationName(int foundation) {
    if (foundation < 1 || foundation > 4) {
        raiseSubscript();
    }
    return QStringLiteral("%1 foundation")
        .arg(Capitalised(kGroupSuits.at(static_cast<std::size_t>(foundation - 1))));
}

QString DescribePicture(const Place& place) {
    const Picture p = place.Picture;
    QString text;
    if (p.isEmptySlotMark()) {
        // The faint suit mark of the slot's group.
        const int group = p.id() - Picture::BlankSpades;
        text = QStringLiteral("empty %1 slot")
                   .arg(QLatin1String(kGroupSuits.at(static_cast<std::size_t>(group))));
    } else if (p.isNone() || p == img_blank) {
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
