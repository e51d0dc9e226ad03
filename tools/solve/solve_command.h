#pragma once
// The command line of veltrane-solve, apart from main() so that tests can run it in-process.

#include <iosfwd>
#include <string>
#include <vector>

namespace veltrane::solve {

enum SolveStatus : int {
    SolveOk = 0,           // winnable or blocked, or the statistics printed
    SolveFailed = 1,       // a solution the engine did not confirm; never expected
    SolveBadInput = 2,     // a bad script line or a bad command line
    SolveRuntimeError = 3, // the rules raised a run-time error while the script ran
    SolveUnknown = 4,      // the search limit was reached
};

int runSolveCommand(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                    std::ostream& err);

} // namespace veltrane::solve
