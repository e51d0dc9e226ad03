#pragma once
// The win rates of the three players over a run of seeded deals.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace veltrane::solve {

class Solver;

struct StatsOptions {
    std::uint64_t first = 1; // deals `seed first` .. `seed first + games - 1`
    long games = 0;
    int jobs = 1;
    long limit = 0;        // states per solve
    int samples = 32;      // orders drawn at each choice of the sampling player
    long sampledGames = 0; // how many of the games the sampling player plays
};

struct PlayerCount {
    long games = 0;
    long won = 0;
};

struct StatsResult {
    PlayerCount solver, sampling, greedy;
    long unknown = 0; // games the solver left undecided
    std::vector<std::uint64_t> undecidedSeeds;
    long unconfirmed = 0;     // claimed wins the engine did not confirm (never expected)
    long samplingUnknown = 0; // sampled positions left undecided
    std::vector<long> states; // per game, for the solver
    double solverSeconds = 0;
    double samplingSeconds = 0;
    double greedySeconds = 0;
    std::size_t tableBytes = 0; // the largest transposition table of any job
    long peakResidentKb = 0;
};

// The orders the sampling player may draw at a choice: far past where its win rate stops
// moving, and each one is a solve per candidate move.
inline constexpr int kMaxSamples = 1000;

// The jobs a run of `count` games starts when `asked` for: never more than the machine's cores,
// which is all the speed there is, nor than the games, which would leave threads idle.
int jobsFor(long count, int asked);

// A job of a parallel run that failed (or could not start): the run stops, and the failure
// reaches the thread that started the run as this error.
class JobFailed : public std::runtime_error {
  public:
    JobFailed(const char* player, long index, const char* reason)
        : std::runtime_error(reason), player_(player), index_(index) {}
    // Who was playing: "the solver", "the greedy player", "the sampling player".
    const char* player() const { return player_; }
    // The index whose work failed; -1 when a job could not be started.
    long index() const { return index_; }

  private:
    const char* player_;
    long index_;
};

// Runs work(index, solver) for every index from 0 to count - 1 on jobsFor(count, jobs)
// threads, each thread with a solver of its own; returns the seconds taken, and raises
// tableBytes to the largest transposition table any of the solvers needed. An error in any job
// ends the run: the other jobs stop after the game they are playing, and JobFailed, naming
// `player`, is raised here, in the caller.
double inParallel(const char* player, long count, int jobs, std::size_t& tableBytes,
                  const std::function<void(long, Solver&)>& work);

// The bytes a run may hold at once: the result of every game, and for each job its state table
// at its largest and the drawn orders it weighs at a choice. A double, as the product of the
// options can pass any integer.
double statsBytes(const StatsOptions& options);

StatsResult runStats(const StatsOptions& options);
void printStats(std::ostream& out, const StatsOptions& options, const StatsResult& result);

// The 95 % interval of a rate (Wilson's score interval), as fractions.
struct Interval {
    double low = 0;
    double high = 0;
};
Interval wilson95(long won, long games);

} // namespace veltrane::solve
