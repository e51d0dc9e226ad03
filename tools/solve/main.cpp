// veltrane-solve [--limit STATES] [FILE]: plays a replay script, then solves the position it
// leaves, knowing the order of the stock.
// veltrane-solve --stats N [--first S] [--jobs J] [--limit STATES] [--samples K]
//                [--sampled-games M]: the win rates of three players over seeded deals.

#include "tools/solve/solve_command.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // The command answers its own failures with a status; anything that still escapes it ends
    // with a message and the status of a failed run, never with an abort.
    try {
        const std::vector<std::string> args(argv + 1, argv + argc);
        return veltrane::solve::runSolveCommand(args, std::cin, std::cout, std::cerr);
    } catch (const std::exception& error) {
        std::cerr << "veltrane-solve: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "veltrane-solve: an unknown error\n";
    }
    return veltrane::solve::SolveRuntimeError;
}
