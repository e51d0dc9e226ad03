// The solver against a search that takes no shortcuts, and the players against the rules.

#include "game/game.h"
#include "tests/solve/engine_search.h"
#include "tools/solve/clicks.h"
#include "tools/solve/players.h"
#include "tools/solve/solver.h"
#include "tools/solve/stats.h"

#include <gtest/gtest.h>
#include <random>

namespace veltrane::solve {
namespace {

// A game dealt from `seed k` then `deal`, with the random source it keeps a pointer to.
struct Dealt {
    explicit Dealt(std::uint64_t seed) : random(seed), game(random) {
        game.InitNewGame();
        game.DealOuterCards();
    }
    Dealt(const Dealt&) = delete;
    Dealt& operator=(const Dealt&) = delete;

    SeededRandomSource random;
    Game game;
};

int cardsLeft(const Game& game) {
    int left = 52;
    for (int k = 1; k <= 4; ++k) {
        left -= game.state().FoundationTop(k);
    }
    return left;
}

void playClicks(Game& game, const std::vector<Click>& clicks) {
    for (const Click& c : clicks) {
        PlayClick(game, c);
    }
}

// Moves the game into a late position: along the solver's winning line until at most
// `left` cards are off the foundations, then a few moves of the plain model picked at random
// (they may throw the game away), and now and then a card left selected.
void moveToLatePosition(Game& game, int left, std::mt19937& rng) {
    Solver solver;
    const Outcome line = solveGame(game, solver);
    std::vector<Move> prefix;
    Layout layout;
    readLayout(game, layout);
    for (const Move& move : line.moves) {
        if (52 - layout.foundationTop[0] - layout.foundationTop[1] - layout.foundationTop[2] -
                layout.foundationTop[3] <=
            left) {
            break;
        }
        apply(layout, move);
        prefix.push_back(move);
    }
    playClicks(game, playMoves(game, prefix).clicks);
    for (int n = static_cast<int>(rng() % 8); n > 0; --n) {
        if (readLayout(game, layout) != ReadResult::Play) {
            break;
        }
        std::vector<Move> options = choices(layout);
        const std::vector<Move> home = playFoundations(layout);
        options.insert(options.end(), home.begin(), home.begin() + (home.empty() ? 0 : 1));
        if (options.empty()) {
            break;
        }
        const Move move = options[rng() % options.size()];
        playClicks(game, playMoves(game, {move}).clicks);
    }
    if (rng() % 3 == 0) {
        const int place = static_cast<int>(rng() % 17);
        PlayClick(game, place == 16 ? Click{Click::Waste, 0} : Click{Click::Slot, 5 + place});
    }
}

// Plays a deal at random (a card that can go to its foundation goes there three times in
// four) until the stock is spent. What is left is a pile to unpick, which the slow search
// covers quickly however many cards it holds; many of these games are lost.
void moveToSpentStock(Game& game, std::mt19937& rng) {
    Layout layout;
    while (readLayout(game, layout) == ReadResult::Play && layout.stockLive()) {
        std::vector<Move> options = choices(layout);
        const std::vector<Move> home = playFoundations(layout);
        if (!home.empty() && rng() % 4 != 0) {
            options = {home.front()};
        }
        playClicks(game, playMoves(game, {options[rng() % options.size()]}).clicks);
    }
}

TEST(SolverAgreement, MatchesASearchOfEveryClickOnSmallPositions) {
    std::mt19937 rng(15);
    int winnable = 0;
    int blocked = 0;
    int undecided = 0;
    Solver solver;
    for (std::uint64_t seed = 1; winnable + blocked < 300; ++seed) {
        Dealt dealt(seed);
        if (seed % 2 == 0) {
            moveToLatePosition(dealt.game, 3 + static_cast<int>(rng() % 8), rng);
        } else {
            moveToSpentStock(dealt.game, rng);
        }
        const std::optional<bool> slow = testing::engineWinnable(dealt.game, 20000);
        if (!slow) {
            ++undecided;
            continue;
        }
        const Outcome fast = solveGame(dealt.game, solver);
        ASSERT_NE(fast.verdict, Verdict::Unknown) << "seed " << seed;
        EXPECT_EQ(fast.verdict == Verdict::Winnable, *slow)
            << "seed " << seed << ", " << cardsLeft(dealt.game) << " cards left";
        if (fast.verdict == Verdict::Winnable) {
            EXPECT_TRUE(playMoves(dealt.game, fast.moves).won) << "seed " << seed;
        }
        (*slow ? winnable : blocked) += 1;
    }
    // Both answers must be well represented for the agreement to mean anything.
    EXPECT_GE(winnable, 50);
    EXPECT_GE(blocked, 50);
    EXPECT_LT(undecided, winnable + blocked);
}

TEST(Players, EveryGreedyWinIsAWinForTheSolverAndForTheRules) {
    Solver solver;
    int greedyWins = 0;
    for (std::uint64_t seed = 1; seed <= 300; ++seed) {
        Dealt dealt(seed);
        Layout layout;
        ASSERT_EQ(readLayout(dealt.game, layout), ReadResult::Play);
        const PlayedGame greedy = playGreedy(layout);
        if (!greedy.won) {
            continue;
        }
        ++greedyWins;
        EXPECT_TRUE(playMoves(dealt.game, greedy.moves).won) << "seed " << seed;
        EXPECT_EQ(solver.solve(layout).verdict, Verdict::Winnable) << "seed " << seed;
    }
    EXPECT_GT(greedyWins, 0);
}

TEST(Players, SamplingPlayerWinsAreWinsForTheRules) {
    Solver solver;
    SamplingPlayer player(solver, 4, Solver::kDefaultLimit);
    int wins = 0;
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        Dealt dealt(seed);
        Layout layout;
        readLayout(dealt.game, layout);
        const PlayedGame played = player.play(layout, seed);
        if (played.won) {
            ++wins;
            EXPECT_TRUE(playMoves(dealt.game, played.moves).won) << "seed " << seed;
            EXPECT_EQ(solver.solve(layout).verdict, Verdict::Winnable) << "seed " << seed;
        }
    }
    EXPECT_GT(wins, 0);
}

TEST(Players, MovesThatBreakTheRulesAreRefusedBeforeTheEngineIsAsked) {
    Dealt dealt(3);
    Layout layout;
    readLayout(dealt.game, layout);
    // The king of the first foundation's suit cannot follow its ace.
    const CardId king = static_cast<CardId>((layout.foundationSuit[0] - 1) * 13 + 13);
    const ClickPlay play = playMoves(dealt.game, {{MoveKind::Foundation, king}});
    EXPECT_FALSE(play.won);
    EXPECT_FALSE(play.fault.empty());
    EXPECT_TRUE(play.clicks.empty());
}

TEST(Stats, WilsonIntervalsMatchPublishedValues) {
    const Interval none = wilson95(0, 10);
    EXPECT_DOUBLE_EQ(none.low, 0.0);
    EXPECT_NEAR(none.high, 0.2775, 1e-4);
    const Interval half = wilson95(50, 100);
    EXPECT_NEAR(half.low, 0.4038, 1e-4);
    EXPECT_NEAR(half.high, 0.5962, 1e-4);
    const Interval all = wilson95(20, 20);
    EXPECT_NEAR(all.low, 0.8389, 1e-4);
    EXPECT_DOUBLE_EQ(all.high, 1.0);
}

TEST(StateTable, RemembersUntilClearedAndStaysExactWhenFull) {
    StateTable table(1); // the smallest table there is
    EXPECT_TRUE(table.insert(1, 2));
    EXPECT_FALSE(table.insert(1, 2));
    EXPECT_TRUE(table.insert(1, 3));
    table.clear();
    EXPECT_TRUE(table.insert(1, 2));
    // Past its cap it keeps answering: a state is never reported as seen when it was not,
    // and the most recent ones are remembered in place of older ones.
    std::size_t refused = 0;
    for (std::uint64_t key = 10; key < 100000; ++key) {
        refused += table.insert(key, 0) ? 0 : 1;
    }
    EXPECT_EQ(refused, 0u);
    EXPECT_FALSE(table.insert(99999, 0));
    EXPECT_LE(table.bytes(), std::size_t{16384} * 16);
}

} // namespace
} // namespace veltrane::solve
