#include "board/place_description.h"

#include "game/cards.h"

#include <QCoreApplication>
#include <array>

namespace veltrane::board {

namespace {

// A phrase kept for translation where it is written (QT_TRANSLATE_NOOP), translated here.
QString Say(const char* text) {
    return QCoreApplication::translate("Speech", text);
}

// The slot groups and the foundations 1 to 4 build spades, diamonds, hearts, clubs. Where a
// phrase has only these four forms, each is translated whole.
template <typename Phrases> QString OfGroup(const Phrases& phrases, int group) {
    if (group < 1 || group > 4) {
        raiseSubscript();
    }
    return Say(phrases.at(static_cast<std::size_t>(group - 1)));
}

} // namespace

QString CardName(int card) {
    // Ranks and suits as the words of a card's name.
    static const std::array<const char*, 13> ranks = {
        QT_TRANSLATE_NOOP("Speech", "ace"),   QT_TRANSLATE_NOOP("Speech", "two"),
        QT_TRANSLATE_NOOP("Speech", "three"), QT_TRANSLATE_NOOP("Speech", "four"),
        QT_TRANSLATE_NOOP("Speech", "five"),  QT_TRANSLATE_NOOP("Speech", "six"),
        QT_TRANSLATE_NOOP("Speech", "seven"), QT_TRANSLATE_NOOP("Speech", "eight"),
        QT_TRANSLATE_NOOP("Speech", "nine"),  QT_TRANSLATE_NOOP("Speech", "ten"),
        QT_TRANSLATE_NOOP("Speech", "jack"),  QT_TRANSLATE_NOOP("Speech", "queen"),
        QT_TRANSLATE_NOOP("Speech", "king")};
    static const std::array<const char*, 4> suits = {
        QT_TRANSLATE_NOOP("Speech", "spades"), QT_TRANSLATE_NOOP("Speech", "diamonds"),
        QT_TRANSLATE_NOOP("Speech", "clubs"), QT_TRANSLATE_NOOP("Speech", "hearts")};
    const auto n = static_cast<Int16>(card);
    //: A card's name: %1 its rank ("two"), %2 its suit ("spades"). Put them in the order your
    //: language names a card.
    return QCoreApplication::translate("Speech", "%1 of %2")
        .arg(Say(ranks.at(static_cast<std::size_t>(CardRank(n) - 1))),
             Say(suits.at(static_cast<std::size_t>(CardSuit(n) - 1))));
}

QString SlotName(int slot) {
    if (slot < 5 || slot > 20) {
        raiseSubscript();
    }
    //: The name of a tableau slot; %1 is its place in its group, 1 to 4.
    static const std::array<const char*, 4> names = {
        QT_TRANSLATE_NOOP("Speech", "Spades slot %1"),
        QT_TRANSLATE_NOOP("Speech", "Diamonds slot %1"),
        QT_TRANSLATE_NOOP("Speech", "Hearts slot %1"),
        QT_TRANSLATE_NOOP("Speech", "Clubs slot %1")};
    return OfGroup(names, (slot - 5) / 4 + 1).arg((slot - 5) % 4 + 1);
}

QString FoundationName(int foundation) {
    static const std::array<const char*, 4> names = {
        QT_TRANSLATE_NOOP("Speech", "Spades foundation"),
        QT_TRANSLATE_NOOP("Speech", "Diamonds foundation"),
        QT_TRANSLATE_NOOP("Speech", "Hearts foundation"),
        QT_TRANSLATE_NOOP("Speech", "Clubs foundation")};
    return OfGroup(names, foundation);
}

QString DescribePicture(const Place& place, int group) {
    static const std::array<const char*, 4> emptySlots = {
        QT_TRANSLATE_NOOP("Speech", "empty spades slot"),
        QT_TRANSLATE_NOOP("Speech", "empty diamonds slot"),
        QT_TRANSLATE_NOOP("Speech", "empty hearts slot"),
        QT_TRANSLATE_NOOP("Speech", "empty clubs slot")};
    const Picture p = place.Picture;
    QString text;
    if (p.isEmptySlotMark()) {
        text = OfGroup(emptySlots, p.id() - Picture::BlankSpades + 1);
    } else if (p.isNone() && group != 0) {
        text = OfGroup(emptySlots, group);
    } else if (p.isNone() || p == img_blank) {
        //: A place with no card: the waste, the spent stock.
        text = QCoreApplication::translate("Speech", "empty");
    } else if (p == img_click) {
        text = QCoreApplication::translate("Speech", "Click Here to turn the waste over");
    } else if (p.cardNumber() == 0) {
        text = QCoreApplication::translate("Speech", "face down");
    } else {
        text = CardName(p.cardNumber());
    }
    if (place.BorderStyle == 1) {
        //: %1 is the picked card ("two of spades, selected").
        text = QCoreApplication::translate("Speech", "%1, selected").arg(text);
    }
    return text;
}

QString DescribeStock(const Place& place, Int16 cardsLeft, bool secondPass, bool countOnly) {
    if (place.Picture == img_click) {
        return QCoreApplication::translate("Speech", "Click Here to turn the waste over");
    }
    if (place.Picture.cardNumber() != 0 || cardsLeft <= 0) {
        return countOnly ? QCoreApplication::translate("Speech", "no pass left")
                         : Joined(QCoreApplication::translate("Speech", "empty"),
                                  QCoreApplication::translate("Speech", "no pass left"));
    }
    //: Cards left face down in the stock.
    QString count = cardsLeft == 1
                        ? QCoreApplication::translate("Speech", "1 card")
                        : QCoreApplication::translate("Speech", "%n cards", nullptr, cardsLeft);
    if (countOnly) {
        return count;
    }
    //: The stock is run through twice: which run this is.
    return Joined(count, secondPass ? QCoreApplication::translate("Speech", "second pass")
                                    : QCoreApplication::translate("Speech", "first pass"));
}

QString Joined(const QString& first, const QString& second) {
    //: Two things said one after the other ("eight of diamonds, 31 cards").
    return QCoreApplication::translate("Speech", "%1, %2").arg(first, second);
}

QString DealHint() {
    return QCoreApplication::translate("Speech", "File > Deal starts a game");
}

QString Deselected(const QString& card) {
    //: A click on the stock let go of the picked card %1.
    return QCoreApplication::translate("Speech", "%1 deselected").arg(card);
}

QString WasteNow(const QString& waste) {
    //: What the waste shows once its top card has been played: a card, or "empty".
    return QCoreApplication::translate("Speech", "waste: %1").arg(waste);
}

QString Refusal(ClickOutcome outcome, int group, const QString& picked, const QString& needed) {
    //: Why a card cannot go on this slot or foundation: it takes only this suit.
    static const std::array<const char*, 4> onlySuit = {
        QT_TRANSLATE_NOOP("Speech", "only spades here"),
        QT_TRANSLATE_NOOP("Speech", "only diamonds here"),
        QT_TRANSLATE_NOOP("Speech", "only hearts here"),
        QT_TRANSLATE_NOOP("Speech", "only clubs here")};
    switch (outcome) {
    case ClickOutcome::NotDealt:
        return DealHint();
    case ClickOutcome::NoPassLeft:
        return QCoreApplication::translate("Speech", "no pass left");
    case ClickOutcome::WasteEmpty:
        return QCoreApplication::translate("Speech", "empty");
    case ClickOutcome::NothingPicked:
        return QCoreApplication::translate("Speech", "nothing selected");
    case ClickOutcome::OtherPicked:
        //: Another card, %1, is picked and must be put down or let go first.
        return QCoreApplication::translate("Speech", "%1 already selected").arg(picked);
    case ClickOutcome::WrongSuit:
        return OfGroup(onlySuit, group);
    case ClickOutcome::WrongRank:
        //: The foundation takes the card %1 next, and only that one.
        return QCoreApplication::translate("Speech", "needs %1").arg(needed);
    case ClickOutcome::Done:
        break;
    }
    return {};
}

} // namespace veltrane::board
