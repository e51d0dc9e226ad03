#pragma once
// Shared helpers of the rules tests: a game over fixed draws and a compact way to click.

#include "game/game.h"

#include <string_view>
#include <vector>

namespace veltrane::testing {

// Clicks written as words: "D" deal, "S" stock, "W" waste, "tN" slot N, "fN" foundation N.
// What the last click did.
ClickOutcome play(Game& game, std::string_view clicks);

// The whole winning game from the unshuffled deck (all draws 0), up to but not including
// the last click, which is "f3": the king of hearts from slot 13.
std::string_view unshuffledWinAllButLast();

// The cards in play, one entry per place that holds each; empty when every card 1..52 is in
// exactly one place and the pictures agree with the counters.
std::vector<std::string> cardPlacementFaults(const Game& game);

} // namespace veltrane::testing
