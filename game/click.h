#pragma once
// A player's click on one of the board's places, for whatever plays the game without a board:
// the solver, benchmarks and tests. The board window hands its places' clicks on itself.

#include "game/game.h"

#include <cstdint>

namespace veltrane {

struct Click {
    enum Place : std::uint8_t { Stock, Waste, Slot, Foundation };
    Place place = Stock;
    int index = 0; // slot 5 to 20 or foundation 1 to 4; nothing for the stock and the waste
};

// Hands the click to the rules' handler of its place; what the handler did.
ClickOutcome PlayClick(Game& game, Click click);

} // namespace veltrane
