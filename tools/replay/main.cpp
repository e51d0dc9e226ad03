// veltrane-replay [FILE]: replays a script of clicks from FILE or standard input.

#include "tools/replay/replay_script.h"

#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view usage =
    "Usage: veltrane-replay [FILE]\n"
    "Plays a script of clicks, one command a line, from FILE or standard input, and prints the\n"
    "game's state where the script says 'show'. The commands are listed in docs/replay.md.\n"
    "Exit status: 0 played, 2 a line or a file it cannot read, 3 a run-time error of the rules.\n";

int refuse(std::string_view problem) {
    std::cerr << "veltrane-replay: " << problem << "\nTry 'veltrane-replay --help'.\n";
    return veltrane::ReplayBadInput;
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 2) {
        return refuse("more than one file given");
    }
    if (argc == 2) {
        const std::string_view argument = argv[1];
        if (argument == "--help" || argument == "-h") {
            std::cout << usage;
            return 0;
        }
        // A file whose name starts with a dash is read as ./-name.
        if (argument.size() > 1 && argument.front() == '-') {
            return refuse("unknown option '" + std::string(argument) + "'");
        }
        std::ifstream file(argv[1]);
        if (!file) {
            return refuse("cannot open '" + std::string(argument) + "'");
        }
        return veltrane::runReplayScript(file, std::cout, std::cerr);
    }
    return veltrane::runReplayScript(std::cin, std::cout, std::cerr);
}
