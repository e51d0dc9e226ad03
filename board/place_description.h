#pragma once
// What a screen reader says about a place: its name ("Tableau slot 7") and what it shows
// ("seven of hearts, selected"; "12 cards"; "empty").

#include "game/board_model.h"

#include <QString>

namespace veltrane::board {

// "ace of spades" .. "king of hearts" for card numbers 1..52.
QString CardName(int card);

// What a place shows, for every place but the stock.
QString DescribePicture(const Place& place);

// The stock: how many cards lie face down, or what it shows once it has run out.
QString DescribeStock(const Place& place, Int16 cardsLeft);

} // namespace veltrane::board
