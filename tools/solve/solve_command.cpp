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
#include <sys/sysinfo.h>
#include <thread>

namespace veltrane::solve {

namespace {

constexpr const char* kUsage =
    "usage: veltrane-solve [--limit STATES] [FILE]\n"
    "       veltrane-solve --stats N [--first S] [--jobs J] [--limit STATES] [--samples K]\n"
    "                      [--sampled-games M]\n";

template <typename T> std::optional<T> number(const std::string& word, T lo) {
    T value{};
    const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc{} || end != word.data() + word.size() || value < lo) {
        return std::nullopt;
    }
    return value;
}

struct CommandLine {
    std::optional<std::string> file;
    long limit = Solver::kDefaultLimit;
    bool stats = false;
    StatsOptions options;
};

// Fills the command line; returns an error text, empty when all is well.
std::string parse(const std::vector<std::string>& args, CommandLine& line) {
    line.options.jobs = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
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
            ok = take(number<int>(value, 1), line.options.samples);
        } else if (arg == "--sampled-games") {
            ok = take(number<long>(value, 0), line.options.sampledGames);
            sampledGiven = true;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return "unknown option '" + arg + "'";
        } else if (!line.file) {
            line.file = arg;
        } else {
            return "only one script can be solved at a time";
        }
        if (!ok) {
            return arg + " needs a whole number" +
                   (arg == "--first" || arg == "--sampled-games" ? std::string()
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

// The memory this machine can give a program at most: its memory and its swap.
double machineBytes() {
    struct sysinfo info {};
    if (sysinfo(&info) != 0) {
        return std::numeric_limits<double>::infinity();
    }
    return (static_cast<double>(info.totalram) + static_cast<double>(info.totalswap)) *
           static_cast<double>(info.mem_unit);
}

int runStatsCommand(const StatsOptions& options, std::ostream& out, std::ostream& err) {
    // A run that cannot fit is refused before the first game, not ended by the allocator hours
    // later (or at once, with an abort).
    const double need = leastStatsBytes(options);
    const double have = machineBytes();
    if (need > have) {
        err << "veltrane-solve: --stats " << options.games << " with --samples " << options.samples
            << " needs at least " << gigabytes(need) << " of memory, more than this machine has ("
            << gigabytes(have) << ")\n";
        return SolveBadInput;
    }
    StatsResult result;
    try {
        result = runStats(options);
    } catch (const JobFailed& failure) {
        err << "veltrane-solve: the run stopped";
        if (failure.index() >= 0) {
            err << " at the deal of seed "
                << options.first + static_cast<std::uint64_t>(failure.index());
        }
        err << ": " << failure.what() << '\n';
        return SolveRuntimeError;
    } catch (const std::exception&) {
        // Only the results of the games are allocated outside the jobs (bad_alloc, or
        // length_error beyond what a vector can index).
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
        err << "veltrane-solve: " << error << '\n' << kUsage;
        return SolveBadInput;
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
