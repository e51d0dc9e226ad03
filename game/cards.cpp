#include "game/cards.h"

namespace veltrane {

Int16 CardRank(Int16 card) {
    // A remainder of 0 is the king of its suit.
    const int remainder = card % 13;
    return static_cast<Int16>(remainder == 0 ? 13 : remainder);
}

Int16 CardSuit(Int16 card) {
    if (card >= 1 && card <= 13) {
        return Spades;
    }
    if (card >= 14 && card <= 26) {
        return Diamonds;
    }
    if (card >= 27 && card <= 39) {
        return Clubs;
    }
    if (card >= 40 && card <= 52) {
        return Hearts;
    }
    return 0;
}

} // namespace veltrane
