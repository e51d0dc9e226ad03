#include "tools/solve/stats.h"

#include "game/game.h"
#include "tools/solve/clicks.h"
#include "tools/solve/players.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <mutex>
#include <new>
#include <ostream>
#include <sys/resource.h>
#include <thread>

namespace veltrane::solve {

namespace {

struct Deal {
    SeededRandomSource random;
    Game game;
    Layout layout;

    explicit Deal(std::uint64_t seed) : random(seed), game(random) {
        game.InitNewGame();
        game.DealOuterCards();
        readLayout(game, layout);
    }
};

// A player's win counts once the rules engine has won the game with the same moves; one it
// does not confirm is counted apart, as a fault of the player.
void countWin(const Deal& deal, const PlayedGame& played, std::atomic<long>& won,
              std::atomic<long>& unconfirmed) {
    if (!played.won) {
        return;
    }
    if (playMoves(deal.game, played.moves).won) {
        ++won;
    } else {
        ++unconfirmed;
    }
}

std::string percent(double fraction) {
    char text[32];
    std::snprintf(text, sizeof text, "%6.2f %%", 100.0 * fraction);
    return text;
}

std::string row(const char* name, const PlayerCount& count) {
    char text[160];
    if (count.games == 0) {
        std::snprintf(text, sizeof text, "%-28s %7s %7s\n", name, "0", "-");
        return text;
    }
    const Interval interval = wilson95(count.won, count.games);
    std::snprintf(
        text, sizeof text, "%-28s %7ld %7ld  %s  %s to %s\n", name, count.games, count.won,
        percent(static_cast<double>(count.won) / static_cast<double>(count.games)).c_str(),
        percent(interval.low).c_str(), percent(interval.high).c_str());
    return text;
}

} // namespace

int jobsFor(long count, int asked) {
    const long cores = std::max(1U, std::thread::hardware_concurrency());
    return static_cast<int>(std::max(1L, std::min({static_cast<long>(asked), cores, count})));
}

double inParallel(const char* player, long count, int jobs, std::size_t& tableBytes,
                  const std::function<void(long, Solver&)>& work) {
    jobs = jobsFor(count, jobs);
    std::atomic<long> next{0};
    std::atomic<bool> stop{false};
    std::mutex mutex;
    // The first failure, kept in place: a job out of memory must be able to tell it.
    bool failed = false;
    long failedIndex = -1;
    std::array<char, 160> reason{};
    const auto fail = [&](long index, const char* what) noexcept {
        const std::lock_guard lock(mutex);
        if (!failed) {
            failed = true;
            failedIndex = index;
            std::snprintf(reason.data(), reason.size(), "%s", what);
        }
        stop = true;
    };
    const auto start = std::chrono::steady_clock::now();
    const auto run = [&] {
        long i = -1;
        try {
            Solver solver;
            for (i = next++; i < count && !stop; i = next++) {
                work(i, solver);
            }
            const std::lock_guard lock(mutex);
            tableBytes = std::max(tableBytes, solver.peakTableBytes());
        } catch (const std::bad_alloc&) {
            fail(i, "out of memory");
        } catch (const std::exception& error) {
            fail(i, error.what());
        } catch (...) {
            fail(i, "an unknown error");
        }
    };
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(jobs));
    for (int j = 1; j < jobs && !stop; ++j) {
        try {
            threads.emplace_back(run);
        } catch (const std::exception& error) {
            std::array<char, 160> text{};
            std::snprintf(text.data(), text.size(), "cannot start job %d of %d: %s", j + 1, jobs,
                          error.what());
            fail(-1, text.data());
        }
    }
    if (!stop) {
        run();
    }
    for (auto& thread : threads) {
        thread.join();
    }
    if (failed) {
        throw JobFailed(player, failedIndex, reason.data());
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double statsBytes(const StatsOptions& options) {
    const double games = static_cast<double>(options.games);
    const double perGame = sizeof(std::int8_t) + sizeof(long);
    const double jobs = jobsFor(options.games, options.jobs);
    const double samplers = jobsFor(std::min(options.games, options.sampledGames), options.jobs);
    return games * perGame +
           jobs * static_cast<double>(StateTable::mostBytes(Solver::kDefaultTableEntries)) +
           samplers * static_cast<double>(options.samples) *
               static_cast<double>(SamplingPlayer::bytesPerSample());
}

Interval wilson95(long won, long games) {
    if (games <= 0) {
        return {};
    }
    constexpr double z = 1.959963984540054;
    const double n = static_cast<double>(games);
    const double p = static_cast<double>(won) / n;
    const double centre = (p + z * z / (2 * n)) / (1 + z * z / n);
    const double half = z * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    return {std::max(0.0, centre - half), std::min(1.0, centre + half)};
}

StatsResult runStats(const StatsOptions& options) {
    StatsResult result;
    const long n = options.games;
    std::vector<std::int8_t> solved(static_cast<std::size_t>(n));
    result.states.assign(static_cast<std::size_t>(n), 0);
    std::atomic<long> unconfirmed{0};

    result.solverSeconds =
        inParallel("the solver", n, options.jobs, result.tableBytes, [&](long i, Solver& solver) {
            const Deal deal(options.first + static_cast<std::uint64_t>(i));
            const Outcome outcome = solver.solve(deal.layout, options.limit);
            result.states[static_cast<std::size_t>(i)] = outcome.states;
            solved[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(outcome.verdict);
            if (outcome.verdict == Verdict::Winnable && !playMoves(deal.game, outcome.moves).won) {
                ++unconfirmed;
            }
        });
    for (std::size_t i = 0; i < solved.size(); ++i) {
        result.solver.won += solved[i] == static_cast<std::int8_t>(Verdict::Winnable) ? 1 : 0;
        if (solved[i] == static_cast<std::int8_t>(Verdict::Unknown)) {
            ++result.unknown;
            result.undecidedSeeds.push_back(options.first + i);
        }
    }
    result.solver.games = n;

    std::atomic<long> greedyWon{0};
    result.greedySeconds =
        inParallel("the greedy player", n, options.jobs, result.tableBytes, [&](long i, Solver&) {
            const Deal deal(options.first + static_cast<std::uint64_t>(i));
            countWin(deal, playGreedy(deal.layout), greedyWon, unconfirmed);
        });
    result.greedy = {n, greedyWon.load()};

    const long sampled = std::min(n, options.sampledGames);
    std::atomic<long> samplingWon{0};
    std::atomic<long> samplingUnknown{0};
    result.samplingSeconds =
        inParallel("the sampling player", sampled, options.jobs, result.tableBytes,
                   [&](long i, Solver& solver) {
                       const std::uint64_t seed = options.first + static_cast<std::uint64_t>(i);
                       const Deal deal(seed);
                       SamplingPlayer player(solver, options.samples, options.limit);
                       const PlayedGame played = player.play(deal.layout, seed);
                       samplingUnknown += played.unknownSolves;
                       countWin(deal, played, samplingWon, unconfirmed);
                   });
    result.sampling = {sampled, samplingWon.load()};
    result.samplingUnknown = samplingUnknown.load();
    result.unconfirmed = unconfirmed.load();

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    result.peakResidentKb = usage.ru_maxrss;
    return result;
}

void printStats(std::ostream& out, const StatsOptions& options, const StatsResult& result) {
    out << "deals: seed " << options.first << " to seed "
        << options.first + static_cast<std::uint64_t>(options.games) - 1 << "\n\n";
    char text[200];
    std::snprintf(text, sizeof text, "%-28s %7s %7s  %8s  %s\n", "player", "games", "won",
                  "win rate", "95 % interval");
    out << text;
    out << row("knowing the stock", result.solver);
    out << row("seeing what the game shows", result.sampling);
    out << row("a simple greedy player", result.greedy);
    out << '\n';

    std::vector<long> states = result.states;
    std::sort(states.begin(), states.end());
    if (!states.empty()) {
        const auto at = [&](double q) {
            const std::size_t i =
                static_cast<std::size_t>(std::ceil(q * static_cast<double>(states.size())) - 1);
            return states[std::min(i, states.size() - 1)];
        };
        out << "solver: states searched per game: median " << at(0.5) << ", 99th percentile "
            << at(0.99) << ", largest " << states.back() << "; undecided " << result.unknown
            << '\n';
        for (const std::uint64_t seed : result.undecidedSeeds) {
            out << "solver: undecided within " << options.limit << " states: seed " << seed << '\n';
        }
        std::snprintf(text, sizeof text,
                      "solver: %.0f games decided per second (%.1f s on %d job%s)\n",
                      static_cast<double>(options.games) / std::max(result.solverSeconds, 1e-9),
                      result.solverSeconds, options.jobs, options.jobs == 1 ? "" : "s");
        out << text;
    }
    if (result.sampling.games > 0) {
        std::snprintf(text, sizeof text,
                      "sampling player: %d orders drawn at each choice; %.1f s; %ld sampled "
                      "positions undecided\n",
                      options.samples, result.samplingSeconds, result.samplingUnknown);
        out << text;
    }
    std::snprintf(text, sizeof text,
                  "memory: largest state table %.1f MB per job, peak resident %.1f MB\n",
                  static_cast<double>(result.tableBytes) / 1048576.0,
                  static_cast<double>(result.peakResidentKb) / 1024.0);
    out << text;
    if (result.unconfirmed > 0) {
        out << "wins the engine did not confirm: " << result.unconfirmed << '\n';
    }
}

} // namespace veltrane::solve
