#pragma once
// A second, slow way to decide a position: every click on every place, in every state the
// rules engine reaches, breadth first, with no shortcut at all. It knows nothing of the
// solver's model; it only asks the engine whether the win handler ever runs.

#include "game/game.h"
#include "tools/solve/clicks.h"

#include <cstddef>
#include <optional>

namespace veltrane::solve::testing {

// True when some sequence of clicks wins, false when none does; nothing when more than
// maxStates engine states would have to be visited.
std::optional<bool> engineWinnable(const Game& start, std::size_t maxStates);

} // namespace veltrane::solve::testing
