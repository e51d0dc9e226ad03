// Veltrane Solitaire: the splash first, the board behind it, play from File > Deal.

#include "platform/error_guard.h"
#include "platform/quick_start.h"
#include "shell/program.h"

int main(int argc, char** argv) {
    const veltrane::platform::FontConfigurationWarmUp fonts;
    veltrane::platform::GuardedApplication app(argc, argv);
    return veltrane::shell::RunProgram();
}
