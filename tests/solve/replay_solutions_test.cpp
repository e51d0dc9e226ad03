// Solutions of many seeded deals, played back through the replay console executable.

#include "game/game.h"
#include "tools/solve/clicks.h"
#include "tools/solve/solver.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace veltrane::solve {
namespace {

namespace fs = std::filesystem;

// One console script holds every deal and its solution; the console's own count of wins at
// the end must equal the number of deals the solver called winnable, each won once.
TEST(ReplaySolutions, TwoThousandSeedsWinThroughTheConsole) {
    constexpr std::uint64_t kSeeds = 2000;
    Solver solver;
    std::string script;
    long winnable = 0;
    for (std::uint64_t seed = 1; seed <= kSeeds; ++seed) {
        SeededRandomSource random(seed);
        Game game(random);
        game.InitNewGame();
        game.DealOuterCards();
        const Outcome outcome = solveGame(game, solver);
        ASSERT_NE(outcome.verdict, Verdict::Unknown) << "seed " << seed;
        if (outcome.verdict != Verdict::Winnable) {
            continue;
        }
        ++winnable;
        script += "seed " + std::to_string(seed) + "\ndeal\n";
        for (const Click& click : playMoves(game, outcome.moves).clicks) {
            script += commandText(click) + '\n';
        }
    }
    script += "show\n";
    const fs::path file =
        fs::temp_directory_path() / ("veltrane-solutions-" + std::to_string(getpid()));
    std::ofstream(file) << script;
    const std::string command =
        std::string("'") + VELTRANE_REPLAY_EXE + "' '" + file.string() + "'";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string out;
    char buffer[4096];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) {
        out.append(buffer, n);
    }
    EXPECT_EQ(pclose(pipe), 0);
    fs::remove(file);
    EXPECT_GT(winnable, static_cast<long>(kSeeds) / 2);
    EXPECT_NE(out.find("\nwins " + std::to_string(winnable) + "\n"), std::string::npos);
}

} // namespace
} // namespace veltrane::solve
