#pragma once
// Three players of a dealt game: the solver, which knows the order of the stock; a player who
// sees only what the game shows and samples the stock it cannot see; and a simple greedy one.

#include "tools/solve/solver.h"

#include <cstdint>
#include <vector>

namespace veltrane::solve {

class Draws;

struct PlayedGame {
    bool won = false;
    std::vector<Move> moves;
    long unknownSolves = 0; // sampled positions the search could not decide within its limit
};

// Every card to its foundation as soon as it can go; otherwise the waste card into a free slot
// of its group; otherwise a stock click; until nothing moves.
PlayedGame playGreedy(Layout layout);

// Sees the board and every card turned so far, but not the order of the stock it has not yet
// turned. Where more than one move is possible it draws `samples` orders of the unseen cards,
// solves each after every candidate move, and makes the move that wins most of them.
// Foundation moves need no thought: they never lose a game, whatever the order.
class SamplingPlayer {
  public:
    SamplingPlayer(Solver& solver, int samples, long limit)
        : solver_(solver), samples_(samples), limit_(limit) {}

    // `seed` makes the drawn orders, so a game plays the same every time.
    PlayedGame play(Layout layout, std::uint64_t seed);

    // What one drawn order holds while a choice is weighed; a choice holds `samples` of them.
    static std::size_t bytesPerSample();

  private:
    std::size_t choose(const Layout& layout, const std::vector<Move>& options, std::size_t unseen,
                       Draws& draws, long& unknownSolves);

    Solver& solver_;
    int samples_;
    long limit_;
};

// The moves worth weighing where no card can go to its foundation, in the solver's order of
// preference: the waste card home, a stock click, a card of another suit home out of a full
// group.
std::vector<Move> choices(const Layout& layout);

} // namespace veltrane::solve
