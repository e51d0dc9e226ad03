#pragma once
// What a screen reader says about a place: its name in the player's terms ("Hearts slot 3",
// "Clubs foundation", "Stock") and what it shows ("seven of hearts, selected"; "12 cards";
// "empty diamonds slot").

#include "game/board_model.h"

#include <QString>

namespace veltrane::board {

// "ace of spades" .. "king of hearts" for card numbers 1..52.
QString CardName(int card);

// Tableau slot 5..20: its slot group's suit and its position in the group, 1 to 4 in reading
// order ("Spades slot 1" .. "Clubs slot 4").
QString SlotName(int slot);

// Foundation 1..4 by the suit it builds ("Spades foundation" .. "Clubs foundation").
QString FoundationName(int foundation);

// What a place shows, for every place but the stock.
QString DescribePicture(const Place& place);

// The stock: how many cards lie face down, or what it shows once it has run out.
QString DescribeStock(const Place& place, Int16 cardsLeft);

} // namespace veltrane::board
