#pragma once
// The state of the game in play, one set of variables with the names and 16-bit types the
// rules use. Every value is zero and every list empty when the program starts.

#include "lists.h"
#include "runtime_error.h"

namespace veltrane {

inline constexpr Int16 VbTrue = -1;
inline constexpr Int16 VbFalse = 0;

struct GameState {
    BoundedArray<Int16, 0, 52> SlotRank;
    BoundedArray<Int16, 0, 52> SlotSuit;
    BoundedArray<Int16, 0, 52> FoundationSuit;
    BoundedArray<Int16, 0, 52> FoundationTop;
    GrowableList<Int16> Deck;
    GrowableList<Int16> DealtList;
    Int16 DeckPos = 0;
    Int16 WasteRank = 0;
    Int16 WasteSuit = 0;
    Int16 DealtCount = 0;
    Int16 DeckEnd = 0;
    Int16 StockRunOut = 0;
    Int16 CardPicked = 0;
    Int16 AwaitingDeal = 0; // VbTrue (-1) or VbFalse (0)
    Int16 HelpTopic = 0;    // 0 Rules, 1 About

    // Not one of the rules' variables: the deck as the last Deal dealt it, all 0 before the
    // first. A saved game carries it, so that reading one back can check the position against
    // the deal it grew from.
    BoundedArray<Int16, 1, 52> DealOrder;
};

} // namespace veltrane
