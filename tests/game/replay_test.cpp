// The replay console: its script language through the library, and the executable's output,
// error messages and exit status.

#include "tools/replay/replay_script.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace veltrane {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome runScript(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runReplayScript(in, out, err);
    return {status, out.str(), err.str()};
}

std::string readFile(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs the real executable on a script file (or on standard input when asked), or with the
// command-line arguments given instead of a script.
Outcome runExecutable(const std::string& script, bool fromStdin = false,
                      const std::string& arguments = {}) {
    static int counter = 0;
    const fs::path dir =
        fs::temp_directory_path() /
        ("veltrane-replay-" + std::to_string(getpid()) + "-" + std::to_string(++counter));
    fs::create_directories(dir);
    std::ofstream(dir / "script") << script;
    const std::string redirect =
        " > '" + (dir / "out").string() + "' 2> '" + (dir / "err").string() + "'";
    const std::string input = fromStdin ? " < '" : " '";
    const std::string command =
        std::string("'") + VELTRANE_REPLAY_EXE + "'" +
        (arguments.empty() ? input + (dir / "script").string() + "'" : " " + arguments) + redirect;
    const int raw = std::system(command.c_str());
    Outcome run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readFile(dir / "out"),
                readFile(dir / "err")};
    fs::remove_all(dir);
    return run;
}

std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}

TEST(ReplayExecutable, GoldenGameIsReproducedExactly) {
    const std::string data = VELTRANE_REPLAY_DATA;
    const Outcome run = runExecutable(readFile(data + "/golden.replay"));
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out, readFile(data + "/golden.out"));
}

TEST(ReplayExecutable, ReadsStandardInput) {
    const Outcome run = runExecutable("draws 0\ndeal\nshow\n", true);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(firstLine(run.out).rfind("Deck 1 14 27 40 5 6 7 8 9 10 11 12 13 2 15 ", 0), 0u);
    EXPECT_NE(run.out.find("\nimg_ace c1 c14 c40 c27\n"), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.size() - 9), "\nwins 0\n\n");
}

TEST(ReplayExecutable, BadInputNamesTheLineAndKeepsEarlierOutput) {
    const char* bad[] = {"jump",
                         "slot",
                         "slot 5 6",
                         "show now",
                         "slot 4",
                         "slot 21",
                         "foundation 0",
                         "foundation 5",
                         "slot five",
                         "seed -1",
                         "seed 18446744073709551616",
                         "draws",
                         "draws 0 1",
                         "draws -0.5",
                         "draws nan",
                         "draws 0.99999999",
                         "draws 0.5x",
                         "seed"};
    for (const char* line : bad) {
        const Outcome run = runExecutable("show\n\n# comment\n" + std::string(line) + "\nshow\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.err.rfind("line 4: ", 0), 0u) << line << ": " << run.err;
        EXPECT_EQ(run.out.find("wins 0\n\n"), run.out.size() - 8) << "one show before the fault";
    }
}

TEST(ReplayExecutable, RunTimeErrorOfTheRulesEndsWithStatusThree) {
    // Before any game the stock is empty: the first turn reads past the end of the deck.
    const Outcome run = runExecutable("show\nstock\nshow\n");
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "Run-time error '9': Subscript out of range\n");
    EXPECT_EQ(run.out.find("wins 0\n\n"), run.out.size() - 8);
}

TEST(ReplayExecutable, AnswersHelpAndAWrongCommandLineAsACommand) {
    const Outcome help = runExecutable({}, false, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(firstLine(help.out), "Usage: veltrane-replay [FILE]");
    EXPECT_EQ(help.err, "");
    const Outcome bogus = runExecutable({}, false, "--bogus");
    EXPECT_EQ(bogus.status, 2);
    EXPECT_EQ(bogus.err, "veltrane-replay: unknown option '--bogus'\n"
                         "Try 'veltrane-replay --help'.\n");
    const Outcome missing = runExecutable({}, false, "/nonexistent/script");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(firstLine(missing.err), "veltrane-replay: cannot open '/nonexistent/script'");
}

TEST(ReplayScript, CommentsBlankLinesAndTabsAreIgnored) {
    const Outcome plain = runScript("draws 0\ndeal\nslot 14\nshow\n");
    const Outcome noisy =
        runScript("\n  # nothing\n\tdraws\t0   # unshuffled\n\ndeal\r\nslot   14\nshow#\n");
    EXPECT_EQ(noisy.status, 0);
    EXPECT_EQ(noisy.out, plain.out);
    EXPECT_NE(plain.out.find("img_cards c5 c6 c7 c8 c9 c10 c11 c12 c13 c2* "), std::string::npos);
}

TEST(ReplayScript, SeedsCountUpAtEveryDeal) {
    const Outcome twice = runScript("seed 41\ndeal\ndeal\nshow\n");
    const Outcome once = runScript("seed 42\ndeal\nshow\n");
    const Outcome other = runScript("seed 41\ndeal\nshow\n");
    EXPECT_EQ(twice.out, once.out);
    EXPECT_NE(twice.out, other.out);
    EXPECT_EQ(runScript("seed 18446744073709551615\ndeal\nshow\n").status, 0);
}

TEST(ReplayScript, DrawsRepeatTheLastValueAcrossDeals) {
    // The first deal takes 0.5 at b = 5 (x = 28.5, position 28); the second sees only zeros.
    const Outcome run = runScript("draws 0.5 0\nnew\nshow\ndeal\nshow\n");
    const std::string first = firstLine(run.out);
    EXPECT_EQ(first.rfind("Deck 1 14 27 40 28 6 ", 0), 0u) << first;
    EXPECT_NE(run.out.find("\nDeck 1 14 27 40 5 6 "), std::string::npos);
}

} // namespace
} // namespace veltrane
