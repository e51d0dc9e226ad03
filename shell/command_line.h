#pragma once
// What the program answers on its command line before it opens any window: --help, --version
// and a wrong option. The game itself takes no options; these are the manners of a command,
// and they need no display. Qt's own options (platform/qt_options.h) are let through.

#include <optional>

namespace veltrane::shell {

inline constexpr int kUsageExitStatus = 2;

// Answers a command line that holds anything: the usage or the version on standard output
// (status 0), or what is wrong and a pointer to --help, two lines on standard error (status 2).
// Returns nothing when the game is to start.
std::optional<int> AnswerCommandLine(int argc, char** argv);

} // namespace veltrane::shell
