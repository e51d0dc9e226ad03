#pragma once
// Runs a replay script: one command per line, "#" starts a comment. The state is printed by
// "show"; bad input and run-time errors are reported on the error stream.

#include <iosfwd>

namespace veltrane {

enum ReplayStatus : int { ReplayOk = 0, ReplayBadInput = 2, ReplayRuntimeError = 3 };

// Returns the exit status: 0, 2 for bad input, 3 for a run-time error of the rules.
int runReplayScript(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace veltrane
