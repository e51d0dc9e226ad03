#include "tools/solve/solve_command.h"

#include "game/game.h"
#include "tools/replay/replay_script.h"
#include "tools/solve/clicks.h"
#include "tools/solve/solver.h"
#include "tools/solve/stats.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <limits>
#include <new>
#include <optional>
#include <sstream>
#include <stdexcept>

namespace veltrane::solve {

namespace {

constexpr const char* kUsage =
    "usage: veltrane-solve [--limit STATES] [FILE]\n"
    "       veltrane-solve --stats N [--first S] [--jobs J] [--limit STATES] [--samples K]\n"
    "                      [--sampled-games M]\n"
    "\n"
    "Plays a replay script (from FILE, or standard input) and solves the position it leaves,\n"
    "knowing the order of the stock: 'winnable N' and the N clicks, 'blocked', or 'unknown'.\n"
    "With --stats, plays the deals of seed S (1 unless told) to seed S+N-1 with three\n"
    "players and prints their win rates.\n"
    "\n"
    "  --limit STATES     give up after searching STATES states (50000000 unless told)\n"
    "  --jobs J           games played at once: this machine's cores unless told, and never\n"
    "                     more than its cores or the games\n"
    "  --samples K        orders of the unseen stock the sampling player draws at each\n"
    "                     choice, 1 to 1000 (32 unless told)\n"
    "  --sampled-games M  how many of the deals the sampling player plays (1000 unless told)\n"
    "  -h, --help         print this and exit\n"
    "\n"
    "Exit status: 0 winnable, blocked or the rates printed; 2 a bad command line or script\n"
    "line, or a run too large for the memory available; 3 a run-time error of the rules or a\n"
    "run that failed; 4 unknown; 1 a solution the rules did not confirm.\n";

// A whole number from lo to hi, all of the word.
template <typename T>
std::optional<T> number(const std::string& word, T lo, T hi = std::numeric_limits<T>::max()) {
    T value{};
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < lo || value > hi) {
        return std::nullopt;
    }
    return value;
}

struct CommandLine {
    bool help = false;
    std::optional<std::string> file;
    long limit = Solver::kDefaultLimit;
    bool stats = false;
    StatsOptions options;
};

// Fills the command line; returns an error text, empty when all is well.
std::string parse(const std::vector<std::string>& args, CommandLine& line) {
    line.options.jobs = std::numeric_limits<int>::max(); // as many as there are cores
    bool sampledGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        const std::string value = hasValue ? args[i + 1] : std::string();
        const auto take = [&](auto parsed, auto& into) {
            if (!hasValue || !parsed) {
                return false;
            }
            into = *parsed;
            ++i;
            return true;
        };
        bool ok = true;
        if (arg == "--limit") {
            ok = take(number<long>(value, 1), line.limit);
        } else if (arg == "--stats") {
            line.stats = true;
            ok = take(number<long>(value, 1), line.options.games);
        } else if (arg == "--first") {
            ok = take(number<std::uint64_t>(value, 0), line.options.first);
        } else if (arg == "--jobs") {
            ok = take(number<int>(value, 1), line.options.jobs);
        } else if (arg == "--samples") {
            ok = take(number<int>(value, 1, kMaxSamples), line.options.samples);
        } else if (arg == "--sampled-games") {
            ok = take(number<long>(value, 0), line.options.sampledGames);
            sampledGiven = true;
        } else if (arg == "-h" || arg == "--help") {
            line.help = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else if (!line.file) {
            line.file = arg;
        } else {
            return "only one script can be solved at a time";
        }
        if (!ok) {
            return arg + " needs a whole number" +
                   (arg == "--samples" ? " from 1 to " + std::to_string(kMaxSamples)
                    : arg == "--first" || arg == "--sampled-games" ? std::string()
                                                                   : std::string(" from 1 up"));
        }
    }
    if (line.stats && line.file) {
        return "--stats deals its own games and reads no script";
    }
    if (line.stats && static_cast<std::uint64_t>(line.options.games - 1) >
                          std::numeric_limits<std::uint64_t>::max() - line.options.first) {
        return "--first and --stats go past the last seed, " +
               std::to_string(std::numeric_limits<std::uint64_t>::max());
    }
    line.options.limit = line.limit;
    line.options.jobs = jobsFor(line.options.games, line.options.jobs);
    if (!sampledGiven) {
        line.options.sampledGames = std::min(line.options.games, 1000L);
    }
    return {};
}

int solveScript(const std::string& script, long limit, std::ostream& out, std::ostream& err) {
    ReplaySession session;
    {
        std::istringstream in(script);
        const int status = session.run(in, out, err);
        if (status != ReplayOk) {
            return status;
        }
    }
    const Game& game = session.game();
    Solver solver;
    Outcome outcome;
    try {
        outcome = solveGame(game, solver, limit);
    } catch (const std::logic_error& error) {
        err << "veltrane-solve: " << error.what() << '\n';
        return SolveFailed;
    } catch (const std::bad_alloc&) {
        err << "veltrane-solve: out of memory while searching\n";
        return SolveRuntimeError;
    }
    if (outcome.verdict == Verdict::Blocked) {
        out << "blocked\n";
        return SolveOk;
    }
    if (outcome.verdict == Verdict::Unknown) {
        out << "unknown\n";
        return SolveUnknown;
    }
    if (outcome.moves.empty()) {
        out << "winnable 0\n"; // won already
        return SolveOk;
    }
    const ClickPlay play = playMoves(game, outcome.moves);
    std::string lines;
    for (const Click& click : play.clicks) {
        lines += commandText(click) + '\n';
    }
    // The script and the solution together, through the console once more: the win
    // handler must run once more than it did for the script alone.
    ReplaySession check;
    std::ostringstream ignored;
    std::istringstream whole(script + (script.empty() || script.back() == '\n' ? "" : "\n") +
                             lines);
    if (!play.won || check.run(whole, ignored, ignored) != ReplayOk ||
        check.wins() != session.wins() + 1) {
        err << "veltrane-solve: the rules did not confirm the solution"
            << (play.fault.empty() ? std::string() : ": " + play.fault) << '\n';
        return SolveFailed;
    }
    out << "winnable " << play.clicks.size() << '\n' << lines;
    return SolveOk;
}

std::string gigabytes(double bytes) {
    std::ostringstream text;
    text.setf(std::ios::fixed);
    text.precision(1);
    text << bytes / 1e9 << " GB";
    return text.str();
}

// The memory a program can take now without pushing other programs out to swap, as the
// kernel counts it; unbounded where it cannot be read.
double availableBytes() {
    std::ifstream meminfo("/proc/meminfo");
    std::string name;
    double kilobytes = 0;
    while (meminfo >> name >> kilobytes) {
        if (name == "MemAvailable:") {
            return kilobytes * 1024;
        }
        meminfo.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return std::numeric_limits<double>::infinity();
}

int runStatsCommand(const StatsOptions& options, std::ostream& out, std::ostream& err) {
    // A run that cannot fit is refused before the first game, not ended by the allocator hours
    // later (or at once, with an abort).
    const double need = statsBytes(options);
    const double have = availableBytes();
    if (need > have) {
        err << "veltrane-solve: --stats " << options.games << " on " << options.jobs
            << " jobs with --samples " << options.samples << " may take " << gigabytes(need)
            << " of memory, more than this machine has available (" << gigabytes(have) << ")\n";
        return SolveBadInput;
    }
    StatsResult result;
    try {
        result = runStats(options);
    } catch (const JobFailed& failure) {
        err << "veltrane-solve: " << failure.player();
        if (failure.index() >= 0) {
            err << " stopped at the deal of seed "
                << options.first + static_cast<std::uint64_t>(failure.index());
        }
        err << ": " << failure.what() << '\n';
        return SolveRuntimeError;
    } catch (const std::bad_alloc&) {
        // Only the results of the games are allocated outside the jobs.
        err << "veltrane-solve: --stats " << options.games
            << ": not enough memory to hold the results of that many games\n";
        return SolveBadInput;
    }
    printStats(out, options, result);
    return result.unconfirmed > 0 ? SolveFailed : (result.unknown > 0 ? SolveUnknown : SolveOk);
}

} // namespace

int runSolveCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err) {
    CommandLine line;
    if (const std::string error = parse(args, line); !error.empty()) {
        err << "veltrane-solve: " << error << "\nTry 'veltrane-solve --help'.\n";
        return SolveBadInput;
    }
    if (line.help) {
        out << kUsage;
        return SolveOk;
    }
    if (line.stats) {
        return runStatsCommand(line.options, out, err);
    }
    std::ostringstream script;
    if (line.file) {
        std::ifstream file(*line.file, std::ios::binary);
        if (!file) {
            err << "veltrane-solve: cannot open '" << *line.file << "'\n";
            return SolveBadInput;
        }
        script << file.rdbuf();
    } else {
        script << in.rdbuf();
    }
    return solveScript(script.str(), line.limit, out, err);
}

} // namespace veltrane::solve
