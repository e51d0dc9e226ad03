#pragma once
// Runs a replay script: one command per line, "#" starts a comment. The state is printed by
// "show"; bad input and run-time errors are reported on the error stream.

#include <iosfwd>
#include <memory>

namespace veltrane {

class Game;

enum ReplayStatus : int { ReplayOk = 0, ReplayBadInput = 2, ReplayRuntimeError = 3 };

// Returns the exit status: 0, 2 for bad input, 3 for a run-time error of the rules.
int runReplayScript(std::istream& in, std::ostream& out, std::ostream& err);

// A script run that keeps its game afterwards, for tools that carry on from the position a
// script leaves. run() reads and reports exactly as runReplayScript does.
class ReplaySession {
  public:
    ReplaySession();
    ~ReplaySession();
    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;

    int run(std::istream& in, std::ostream& out, std::ostream& err);
    // The game as the last line left it.
    const Game& game() const;
    // How many times the win handler has run.
    long wins() const;

  private:
    class Replay;
    std::unique_ptr<Replay> replay_;
};

} // namespace veltrane
