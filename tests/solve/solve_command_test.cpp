// veltrane-solve on hand-made positions, built by console scripts, with known answers.

#include "tools/replay/replay_script.h"
#include "tools/solve/solve_command.h"
#include "tools/solve/stats.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <mutex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace veltrane::solve {
namespace {

namespace fs = std::filesystem;

struct Ran {
    int status;
    std::string out;
    std::string err;
};

Ran solve(const std::string& script, const std::vector<std::string>& args = {}) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runSolveCommand(args, in, out, err);
    return {status, out.str(), err.str()};
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs a shell command line; `script` is the path of a file holding `scriptText`. A program
// killed by a signal (an abort) gives status -1.
Ran runShell(const std::string& line, const std::string& scriptText = "") {
    static int counter = 0;
    const fs::path dir = fs::temp_directory_path() / ("veltrane-solve-" + std::to_string(getpid()) +
                                                      "-" + std::to_string(++counter));
    fs::create_directories(dir);
    std::ofstream(dir / "script") << scriptText;
    const std::string command = "script='" + (dir / "script").string() + "'; " + line + " > '" +
                                (dir / "out").string() + "' 2> '" + (dir / "err").string() + "'";
    const int raw = std::system(command.c_str());
    Ran run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"), readFile(dir / "err")};
    fs::remove_all(dir);
    return run;
}

// Runs an executable on a script file with extra arguments.
Ran runExecutable(const char* exe, const std::string& script, const std::string& args = "") {
    return runShell(std::string("'") + exe + "' " + args + " \"$script\"", script);
}

// The wins the console counts after a script, read from its "show".
long consoleWins(const std::string& script) {
    const Ran run = runExecutable(VELTRANE_REPLAY_EXE, script + "show\n");
    EXPECT_EQ(run.status, 0) << run.err;
    const auto at = run.out.rfind("\nwins ");
    return at == std::string::npos ? -1 : std::stol(run.out.substr(at + 6));
}

std::string body(const Ran& run) {
    return run.out.substr(run.out.find('\n') + 1);
}

// The unshuffled deck (every draw 0) won by hand: spades and the low diamonds first, the
// high clubs and hearts parked in their groups, the rest from the second pass. The hearts
// ten to king wait in slots 16, 15, 14 and 13 until the very end.
std::string unshuffledGameUpToTheLastHearts() {
    std::string s = "draws 0\ndeal\nslot 14\nfoundation 1\n";
    const auto times = [&](int n, const std::string& lines) {
        for (int i = 0; i < n; ++i) {
            s += lines;
        }
    };
    times(7, "stock\n");
    s += "waste\nfoundation 1\n";
    times(13, "stock\n");
    s += "waste\nfoundation 1\n";
    for (int slot = 5; slot <= 13; ++slot) {
        s += "slot " + std::to_string(slot) + "\nfoundation 1\n";
    }
    for (int slot = 15; slot <= 20; ++slot) {
        s += "slot " + std::to_string(slot) + "\nfoundation 2\n";
    }
    s += "waste\nslot 17\nwaste\nslot 18\nwaste\nslot 19\nwaste\nslot 20\n";
    times(12, "stock\n");
    s += "waste\nslot 13\nwaste\nslot 14\nwaste\nslot 15\nwaste\nslot 16\nstock\n";
    times(6, "stock\nwaste\nfoundation 2\n");
    times(8, "stock\nwaste\nfoundation 4\n");
    s += "slot 20\nfoundation 4\nslot 19\nfoundation 4\nslot 18\nfoundation 4\nslot 17\n"
         "foundation 4\n";
    times(8, "stock\nwaste\nfoundation 3\n");
    return s;
}

TEST(SolveCommand, FourHeartsInTheirSlotsAreWonInEightClicks) {
    const std::string script = unshuffledGameUpToTheLastHearts();
    ASSERT_EQ(consoleWins(script), 0);
    const Ran run = solve(script);
    EXPECT_EQ(run.status, SolveOk);
    EXPECT_EQ(run.err, "");
    // Each heart is picked in its slot and clicked onto its foundation, ten first.
    EXPECT_EQ(run.out, "winnable 8\nslot 16\nfoundation 3\nslot 15\nfoundation 3\nslot 14\n"
                       "foundation 3\nslot 13\nfoundation 3\n");
    EXPECT_EQ(consoleWins(script + body(run)), 1);
}

TEST(SolveCommand, ASelectedCardIsUsedOrPutDownFirst) {
    const std::string base = unshuffledGameUpToTheLastHearts();
    // The king selected too early: it is put down before the ten is picked.
    const std::string early = base + "slot 13\n";
    const Ran putDown = solve(early);
    EXPECT_EQ(putDown.out.substr(0, putDown.out.find('\n')), "winnable 9");
    EXPECT_EQ(consoleWins(early + body(putDown)), 1);
    // The king selected when its turn has come: one click finishes the game.
    const std::string late = base + "slot 16\nfoundation 3\nslot 15\nfoundation 3\nslot 14\n"
                                    "foundation 3\nslot 13\n";
    const Ran finish = solve(late);
    EXPECT_EQ(finish.out, "winnable 1\nfoundation 3\n");
    EXPECT_EQ(consoleWins(late + body(finish)), 1);
}

TEST(SolveCommand, BothPassesRunThroughLeaveABlockedGame) {
    // From the unshuffled deck the stock is turned through both passes with no card moved.
    // The waste then holds its 32 cards in dealing order with the hearts two to king on top,
    // the king uppermost, and the stock takes no more clicks. The two of hearts lies under
    // the eleven higher hearts; none of them can reach the foundation before it, so all
    // eleven would have to wait in the hearts' slots, and there are four. No click wins.
    std::string script = "draws 0\ndeal\n";
    for (int i = 0; i < 65; ++i) {
        script += "stock\n";
    }
    const Ran run = solve(script);
    EXPECT_EQ(run.status, SolveOk);
    EXPECT_EQ(run.out, "blocked\n");
}

TEST(SolveCommand, TheLimitGivesUnknownWithStatusFour) {
    const Ran run = solve("seed 1\ndeal\n", {"--limit", "1"});
    EXPECT_EQ(run.status, SolveUnknown);
    EXPECT_EQ(run.out, "unknown\n");
}

TEST(SolveCommand, PositionsWithNoGameInPlay) {
    // Won already: nothing more to click.
    const std::string won = unshuffledGameUpToTheLastHearts() +
                            "slot 16\nfoundation 3\nslot 15\nfoundation 3\nslot 14\nfoundation 3\n"
                            "slot 13\nfoundation 3\n";
    EXPECT_EQ(solve(won).out, "winnable 0\n");
    // A new game not yet dealt: the stock takes no click and nothing can be won.
    EXPECT_EQ(solve("seed 4\nnew\n").out, "blocked\n");
    EXPECT_EQ(solve("").out, "blocked\n");
}

TEST(SolveCommand, BadInputIsReportedAsTheConsoleReportsIt) {
    const std::string script = "seed 2\ndeal\nstock\nfly 3\n";
    const Ran run = solve(script);
    EXPECT_EQ(run.status, SolveBadInput);
    EXPECT_EQ(run.out, "");
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runReplayScript(in, out, err), ReplayBadInput);
    EXPECT_EQ(run.err, err.str());
    EXPECT_EQ(run.err.rfind("line 4: ", 0), 0u);
}

TEST(SolveCommand, BadCommandLinesAreTwoLinesAndStatusTwo) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--limit"},
          {"--limit", "0"},
          {"--limit", "x"},
          {"--stats", "-3"},
          {"--jobs", "0", "--stats", "2"},
          {"--stats", "5", "--samples", "100000000", "--jobs", "2"},
          {"--frobnicate"},
          {"a", "b"},
          {"--stats", "2", "file"},
          {"--stats", "2", "--first", "18446744073709551615"}}) {
        const Ran run = solve("", args);
        EXPECT_EQ(run.status, SolveBadInput) << args.front();
        EXPECT_EQ(run.err.rfind("veltrane-solve: ", 0), 0u) << run.err;
        EXPECT_EQ(run.err.substr(run.err.find('\n')), "\nTry 'veltrane-solve --help'.\n");
        EXPECT_EQ(run.out, "");
    }
    for (const char* help : {"--help", "-h"}) {
        const Ran run = solve("", {help});
        EXPECT_EQ(run.status, SolveOk) << help;
        EXPECT_EQ(run.out.rfind("usage: veltrane-solve", 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
}

TEST(SolveExecutable, StatusesAndErrorsAsTheConsoleGivesThem) {
    const Ran won = runExecutable(VELTRANE_SOLVE_EXE, unshuffledGameUpToTheLastHearts());
    EXPECT_EQ(won.status, 0);
    EXPECT_EQ(won.out.rfind("winnable 8\n", 0), 0u);
    const Ran bad = runExecutable(VELTRANE_SOLVE_EXE, "deal\nslot 21\n");
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err.rfind("line 2: slot needs a whole number from 5 to 20", 0), 0u);
    const Ran unknown = runExecutable(VELTRANE_SOLVE_EXE, "seed 9\ndeal\n", "--limit 2");
    EXPECT_EQ(unknown.status, 4);
    EXPECT_EQ(unknown.out, "unknown\n");
    const Ran missing = runExecutable(VELTRANE_SOLVE_EXE, "", "/nonexistent/script");
    EXPECT_EQ(missing.status, 2);
    // Before any game the console's stock has no deck to turn: the rules' own run-time error.
    const Ran error = runExecutable(VELTRANE_SOLVE_EXE, "stock\n");
    EXPECT_EQ(error.status, 3);
    EXPECT_EQ(error.err, "Run-time error '9': Subscript out of range\n");
    EXPECT_EQ(error.out, "");
}

TEST(SolveCommand, StatsPrintARowForEachPlayer) {
    const Ran run = solve("", {"--stats", "6", "--first", "40", "--jobs", "2", "--sampled-games",
                               "2", "--samples", "2"});
    EXPECT_EQ(run.status, SolveOk) << run.err;
    EXPECT_NE(run.out.find("deals: seed 40 to seed 45\n"), std::string::npos);
    for (const char* row :
         {"\nknowing the stock                  6 ", "\nseeing what the game shows         2 ",
          "\na simple greedy player             6 "}) {
        EXPECT_NE(run.out.find(row), std::string::npos) << row << run.out;
    }
    EXPECT_NE(run.out.find("states searched per game: median "), std::string::npos);
    EXPECT_NE(run.out.find("games decided per second"), std::string::npos);
}

TEST(SolveCommand, RunsTooLargeForThisMachineAreRefusedBeforeTheFirstGame) {
    // The results of 10^14 games fit no machine's memory.
    const Ran run =
        runShell(std::string("'") + VELTRANE_SOLVE_EXE + "' --stats 100000000000000 --jobs 1");
    EXPECT_EQ(run.status, SolveBadInput) << run.err;
    EXPECT_NE(run.err.find("of memory, more than this machine has available"), std::string::npos)
        << run.err;
    EXPECT_EQ(run.out, "");
}

TEST(SolveStats, AFailingJobStopsTheRunAndReachesTheCaller) {
    for (const int jobs : {1, 3}) {
        std::size_t tableBytes = 0;
        try {
            inParallel("the greedy player", 40, jobs, tableBytes, [](long i, Solver&) {
                if (i == 7) {
                    throw std::runtime_error("deal 7 failed");
                }
            });
            ADD_FAILURE() << "no failure reached the caller with " << jobs << " jobs";
        } catch (const JobFailed& failure) {
            EXPECT_STREQ(failure.player(), "the greedy player");
            EXPECT_EQ(failure.index(), 7);
            EXPECT_STREQ(failure.what(), "deal 7 failed");
        }
    }
}

TEST(SolveStats, NoMoreJobsThanCoresOrGames) {
    const long cores = std::max(1U, std::thread::hardware_concurrency());
    for (const long games : {1L, 50L}) {
        std::mutex mutex;
        std::set<std::thread::id> threads;
        std::size_t tableBytes = 0;
        inParallel("the solver", games, 100000, tableBytes, [&](long, Solver&) {
            const std::lock_guard lock(mutex);
            threads.insert(std::this_thread::get_id());
        });
        EXPECT_LE(static_cast<long>(threads.size()), std::min(cores, games));
    }
}

TEST(SolveExecutable, RunningOutOfMemoryInAJobIsStatusThree) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "a program built with AddressSanitizer cannot start under an address-space "
                    "limit";
#else
    // The deal of seed 8813 makes the solver's state table grow to its largest, 64 MB, which
    // an address space of 40 MB cannot give: the job fails half-way through its search and
    // says so, although memory is then all it lacks.
    const Ran run = runShell("ulimit -v 40000; exec '" + std::string(VELTRANE_SOLVE_EXE) +
                             "' --stats 1 --first 8813 --jobs 1 --sampled-games 0");
    EXPECT_EQ(run.status, SolveRuntimeError) << run.err;
    EXPECT_EQ(run.err,
              "veltrane-solve: the solver stopped at the deal of seed 8813: out of memory\n");
    EXPECT_EQ(run.out, "");
#endif
}

} // namespace
} // namespace veltrane::solve
