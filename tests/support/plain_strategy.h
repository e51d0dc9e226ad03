#pragma once
// A plain way of playing that wins a fair share of deals: put on a foundation whatever fits,
// tableau first; else move the waste card into a free slot of its suit's group; else turn the
// stock. Whole games played through the board use it to reach the win.

#include "game/click.h"
#include "game/game.h"

#include <vector>

namespace veltrane::test_support {

// The clicks of the next move: two for a card put somewhere, one for the stock; none when the
// game is stuck.
inline std::vector<Click> NextMove(const Game& game) {
    const GameState& s = game.state();
    const BoardModel& b = game.board();
    const bool wasteCard = b.img_dealt.Picture.isCard();
    for (Int16 k = 1; k <= 4; ++k) {
        const int wanted = s.FoundationTop(k) + 1;
        for (Int16 j = 5; j <= 20; ++j) {
            if (b.img_cards(j).Picture.isCard() && s.SlotRank(j) == wanted &&
                s.SlotSuit(j) == s.FoundationSuit(k)) {
                return {{Click::Slot, j}, {Click::Foundation, k}};
            }
        }
        if (wasteCard && s.WasteRank == wanted && s.WasteSuit == s.FoundationSuit(k)) {
            return {{Click::Waste}, {Click::Foundation, k}};
        }
    }
    if (wasteCard) {
        for (Int16 k = 1; k <= 4; ++k) {
            if (s.FoundationSuit(k) != s.WasteSuit) {
                continue;
            }
            // Foundation k's slot group: 5 to 8 for the first, and so on.
            for (int j = 4 * k + 1; j <= 4 * k + 4; ++j) {
                if (b.img_cards(j).Picture.isEmptySlotMark()) {
                    return {{Click::Waste}, {Click::Slot, j}};
                }
            }
        }
    }
    if (b.img_deck.Picture != img_blank) {
        return {{Click::Stock}};
    }
    return {};
}

} // namespace veltrane::test_support
