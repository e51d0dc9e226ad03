#include "tools/solve/solve_command.h"

#include "game/game.h"
#include "tools/replay/replay_script.h"
#include "tools/solve/clicks.h"
#include "tools/solve/solver.h"
#include "tools/solve/stats.h"

#include <charconv>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <stdexcept>
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

} // namespace

int runSolveCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err) {
    CommandLine line;
    if (const std::string error = parse(args, line); !error.empty()) {
        err << "veltrane-solve: " << error << '\n' << kUsage;
        return SolveBadInput;
    }
    if (line.stats) {
        const StatsResult result = runStats(line.options);
        printStats(out, line.options, result);
        return result.unconfirmed > 0 ? SolveFailed : (result.unknown > 0 ? SolveUnknown : SolveOk);
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
