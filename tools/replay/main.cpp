// veltrane-replay [FILE]: replays a script of clicks from FILE or standard input.

#include "tools/replay/replay_script.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv) {
    if (argc > 2) {
        std::cerr << "usage: veltrane-replay [FILE]\n";
        return veltrane::ReplayBadInput;
    }
    if (argc == 2) {
        std::ifstream file(argv[1]);
        if (!file) {
            std::cerr << "veltrane-replay: cannot open '" << argv[1] << "'\n";
            return veltrane::ReplayBadInput;
        }
        return veltrane::runReplayScript(file, std::cout, std::cerr);
    }
    return veltrane::runReplayScript(std::cin, std::cout, std::cerr);
}
