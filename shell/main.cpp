// Veltrane Solitaire: the splash first, the board behind it, play from File > Deal.

#include "platform/error_guard.h"
#include "shell/program.h"

int main(int argc, char** argv) {
    veltrane::platform::GuardedApplication app(argc, argv);
    return veltrane::shell::RunProgram();
}
