#pragma once
// What a screen reader says about a place: its name in the player's terms ("Hearts slot 3",
// "Clubs foundation", "Stock"), what it shows ("seven of hearts, selected"; "12 cards, first
// pass"; "empty diamonds slot"), and what a click on it did or why it did nothing. Every word
// goes through the translations; a card's name is put together in the order the language says
// it, from a rank and a suit that are words of their own.

#include "game/board_model.h"
#include "game/game.h"

#include <QString>

namespace veltrane::board {

// "ace of spades" .. "king of hearts" for card numbers 1..52.
QString CardName(int card);

// Tableau slot 5..20: its slot group's suit and its position in the group, 1 to 4 in reading
// order ("Spades slot 1" .. "Clubs slot 4").
QString SlotName(int slot);

// Foundation 1..4 by the suit it builds ("Spades foundation" .. "Clubs foundation").
QString FoundationName(int foundation);

// What a place shows, for every place but the stock. A slot of group 1..4 that shows no
// picture yet (before the first deal) is as empty as one whose card has gone.
QString DescribePicture(const Place& place, int group = 0);

// The stock: how many cards lie face down and in which pass, or what it shows once it has run
// out. `countOnly` leaves the pass out, for the news of one more turn in the same pass.
QString DescribeStock(const Place& place, Int16 cardsLeft, bool secondPass, bool countOnly = false);

// Two things said one after the other: "eight of diamonds, 31 cards".
QString Joined(const QString& first, const QString& second);

// Said of every place while the stock waits for a deal.
QString DealHint();

// News of a click that did something beyond the clicked place.
QString Deselected(const QString& card);
QString WasteNow(const QString& waste);

// Why a click did nothing. `group` is the slot group or foundation 1..4 of the clicked place,
// `picked` the card that stays picked, `needed` the card the foundation takes next.
QString Refusal(ClickOutcome outcome, int group, const QString& picked, const QString& needed);

} // namespace veltrane::board
