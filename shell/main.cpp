// Veltrane Solitaire: the splash first, the board behind it, play from File > Deal.

#include "platform/error_guard.h"
#include "platform/startup_trace.h"
#include "shell/program.h"

int main(int argc, char** argv) {
    veltrane::platform::StartupMark("main");
    veltrane::platform::GuardedApplication app(argc, argv);
    veltrane::platform::StartupMark("application");
    return veltrane::shell::RunProgram();
}
