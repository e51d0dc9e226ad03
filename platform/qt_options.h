#pragma once
// Qt's own command-line options: those the application object, its window-system plug-in and
// its widgets take out of the arguments (-platform, -display, -session, -style, -reverse, ...).
// A session manager restarts the game with `-session ID`, and a player may give any of them,
// so the game's own command line lets them through to Qt untouched.
//
// Which take a value follows Qt's own reading of the arguments: a value-taking option eats the
// next argument (-session ID, -style NAME); -style, -stylesheet and -qmljsdebugger also take
// it joined (-style=NAME). Qt reads every option with one dash or two (--platform xcb).

#include <optional>
#include <string>
#include <string_view>

namespace veltrane::platform {

struct QtOption {
    // How many arguments, from the one looked at, belong to the option: 1 or 2. 0 when the
    // argument is no Qt option.
    int length = 0;
    // A value-taking option with no value after it: nothing, or another option (-platform
    // --help), which Qt would take for the value and then fail on it with a misleading message.
    bool missingValue = false;
};

// The Qt option at argv[index], if it is one.
QtOption QtOptionAt(int argc, const char* const* argv, int index);

// The value of the last of the named value-taking option (given without dashes, "platform"),
// as Qt keeps the last; nothing when it is not given.
std::optional<std::string> QtOptionValue(int argc, const char* const* argv, std::string_view name);

} // namespace veltrane::platform
