// The real game whose every deal leaves the deck unshuffled, so that a test knows the cards and
// can win the game with clicks written down beforehand.

#include "game/random_source.h"
#include "platform/error_guard.h"
#include "shell/program.h"

int main(int argc, char** argv) {
    veltrane::platform::GuardedApplication app(argc, argv);
    veltrane::SequenceRandomSource unshuffled({});
    return veltrane::shell::RunProgram(unshuffled);
}
