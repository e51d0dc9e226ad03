// How fast the solver decides seeded deals, how many states it searches, and how much
// memory it needs. Prints figures; it is not a test.
// solve_bench [GAMES] [JOBS] [FIRST]: defaults 100000 deals from seed 1 on every core; never
// more jobs than cores.

#include "game/game.h"
#include "tools/solve/solver.h"
#include "tools/solve/stats.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <string>
#include <sys/resource.h>
#include <thread>
#include <vector>

namespace {

using namespace veltrane;
using namespace veltrane::solve;

double loadAverage() {
    std::ifstream file("/proc/loadavg");
    double load = -1;
    file >> load;
    return load;
}

} // namespace

int main(int argc, char** argv) {
    const long games = argc > 1 ? std::atol(argv[1]) : 100000;
    const int asked = argc > 2 ? std::atoi(argv[2]) : std::numeric_limits<int>::max();
    const std::uint64_t first = argc > 3 ? std::strtoull(argv[3], nullptr, 10) : 1;
    if (games < 1 || asked < 1) {
        std::fprintf(stderr, "usage: solve_bench [GAMES] [JOBS] [FIRST]\n");
        return 2;
    }
    const int jobs = jobsFor(games, asked);
    std::vector<long> states(static_cast<std::size_t>(games));
    std::vector<double> seconds(static_cast<std::size_t>(games));
    std::atomic<long> unknown{0};
    std::atomic<long> won{0};
    std::size_t table = 0;
    const double loadBefore = loadAverage();
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const double wall = inParallel("the solver", games, jobs, table, [&](long i, Solver& solver) {
        SeededRandomSource random(first + static_cast<std::uint64_t>(i));
        Game game(random);
        game.InitNewGame();
        game.DealOuterCards();
        const auto t0 = std::chrono::steady_clock::now();
        const Outcome outcome = solveGame(game, solver);
        seconds[static_cast<std::size_t>(i)] =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        states[static_cast<std::size_t>(i)] = outcome.states;
        unknown += outcome.verdict == Verdict::Unknown ? 1 : 0;
        won += outcome.verdict == Verdict::Winnable ? 1 : 0;
    });
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    const auto cpu = [](const rusage& u) {
        return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
               static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
    };
    std::sort(states.begin(), states.end());
    std::sort(seconds.begin(), seconds.end());
    const auto at = [&](const auto& sorted, double q) {
        return sorted[std::min(sorted.size() - 1,
                               static_cast<std::size_t>(q * static_cast<double>(sorted.size())))];
    };
    double total = 0;
    for (const long s : states) {
        total += static_cast<double>(s);
    }
    std::printf(
        "deals             seed %llu to %llu, %d jobs\n", static_cast<unsigned long long>(first),
        static_cast<unsigned long long>(first + static_cast<std::uint64_t>(games) - 1), jobs);
    std::printf("decided           %ld winnable, %ld blocked, %ld unknown\n", won.load(),
                games - won.load() - unknown.load(), unknown.load());
    std::printf("games per second  %.0f (wall %.1f s, cpu %.1f s: %.0f per cpu second)\n",
                static_cast<double>(games) / wall, wall, cpu(after) - cpu(before),
                static_cast<double>(games) / (cpu(after) - cpu(before)));
    std::printf("states per game   mean %.0f, median %ld, 99th percentile %ld, largest %ld\n",
                total / static_cast<double>(games), at(states, 0.5), at(states, 0.99),
                states.back());
    std::printf("time per game     median %.3f ms, 99th percentile %.1f ms, largest %.0f ms\n",
                1e3 * at(seconds, 0.5), 1e3 * at(seconds, 0.99), 1e3 * seconds.back());
    std::printf("memory            state table at most %.1f MB per job, peak resident %.1f MB\n",
                static_cast<double>(table) / 1048576.0,
                static_cast<double>(after.ru_maxrss) / 1024.0);
    std::printf("machine load      %.2f before, %.2f after (1-minute average, %u cores)\n",
                loadBefore, loadAverage(), std::thread::hardware_concurrency());
    return unknown.load() == 0 ? 0 : 4;
}
