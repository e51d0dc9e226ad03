#pragma once
// From the solver's moves to the player's clicks: each move is played on a copy of the game
// through the rules engine, click by click, and checked against the solver's own model, so a
// solution is only ever reported once the engine has won it.

#include "game/click.h"
#include "tools/solve/layout.h"

#include <string>
#include <vector>

namespace veltrane {
class Game;
}

namespace veltrane::solve {

// The console command for a click: "stock", "waste", "slot 7", "foundation 2".
std::string commandText(const Click& click);

struct ClickPlay {
    std::vector<Click> clicks;
    bool won = false;  // the win handler ran on the last click
    std::string fault; // where the engine parted from the moves; empty when it did not
};

// Plays the moves from the game's position (a selection frame included) on a copy of it.
ClickPlay playMoves(const Game& game, const std::vector<Move>& moves);

} // namespace veltrane::solve
