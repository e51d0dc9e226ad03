// Veltrane Solitaire: the splash first, the board behind it, play from File > Deal.

#include "platform/error_guard.h"
#include "platform/startup_trace.h"
#include "platform/window_system.h"
#include "shell/command_line.h"
#include "shell/program.h"

int main(int argc, char** argv) {
    if (const std::optional<int> answered = veltrane::shell::AnswerCommandLine(argc, argv)) {
        return *answered;
    }
    veltrane::platform::StartupMark("main");
    veltrane::platform::WindowSystemStart start(argc, argv);
    veltrane::platform::GuardedApplication app(start.argc(), start.argv());
    start.established();
    veltrane::platform::StartupMark("application");
    return veltrane::shell::RunProgram();
}
