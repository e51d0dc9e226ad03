#pragma once
// Card numbers 1..52: spades 1..13, diamonds 14..26, clubs 27..39, hearts 40..52, ace to king.

#include "runtime_error.h"

namespace veltrane {

enum Suit : Int16 { Spades = 1, Diamonds = 2, Clubs = 3, Hearts = 4 };

// Rank 1 (ace) .. 13 (king): ((n - 1) mod 13) + 1.
Int16 CardRank(Int16 card);
// Suit 1..4 by range tests on the card number.
Int16 CardSuit(Int16 card);

} // namespace veltrane
