#include "platform/qt_options.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace veltrane::platform {
namespace {

// The value-taking options of the application object (-platform ... -session, -style), of its
// widgets (-stylesheet) and of the X plug-in (-display, -name, -visual), and the old X names
// of the window options (-geometry, -title, -icon).
constexpr std::array<std::string_view, 17> kWithValue = {"platform",        "platformpluginpath",
                                                         "platformtheme",   "plugin",
                                                         "qwindowgeometry", "geometry",
                                                         "qwindowtitle",    "title",
                                                         "qwindowicon",     "icon",
                                                         "session",         "style",
                                                         "stylesheet",      "qmljsdebugger",
                                                         "display",         "name",
                                                         "visual"};
// Those that may also carry their value after '='.
constexpr std::array<std::string_view, 3> kJoinedValue = {"style", "stylesheet", "qmljsdebugger"};
constexpr std::array<std::string_view, 6> kSwitches = {"reverse", "widgetcount", "nograb",
                                                       "dograb",  "sync",        "testability"};

template <std::size_t N>
bool Among(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The option's name without its dashes; empty when the argument is no option.
std::string_view NameOf(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') {
        return {};
    }
    argument.remove_prefix(argument[1] == '-' ? 2 : 1);
    return argument;
}

// A word Qt would take for a value although the player meant an option: "-session", "--help",
// "--". A value may still start with a dash and a digit (-qwindowgeometry -0+0).
bool LooksLikeOption(std::string_view argument) {
    return argument.size() > 1 && argument[0] == '-' &&
           (argument[1] == '-' || std::isalpha(static_cast<unsigned char>(argument[1])) != 0);
}

} // namespace

QtOption QtOptionAt(int argc, const char* const* argv, int index) {
    const std::string_view name = NameOf(argv[index]);
    if (name.empty()) {
        return {};
    }
    if (Among(kSwitches, name)) {
        return {1, false};
    }
    if (Among(kWithValue, name)) {
        return index + 1 < argc && !LooksLikeOption(argv[index + 1]) ? QtOption{2, false}
                                                                     : QtOption{1, true};
    }
    const std::size_t equals = name.find('=');
    if (equals != std::string_view::npos && Among(kJoinedValue, name.substr(0, equals))) {
        return {1, false};
    }
    return {};
}

std::optional<std::string> QtOptionValue(int argc, const char* const* argv, std::string_view name) {
    std::optional<std::string> value;
    for (int i = 1; i < argc; ++i) {
        const QtOption option = QtOptionAt(argc, argv, i);
        if (option.length == 0) {
            continue;
        }
        const std::string_view given = NameOf(argv[i]);
        if (option.length == 2 && given == name) {
            value = argv[i + 1];
        } else if (given.substr(0, name.size()) == name && given.size() > name.size() &&
                   given[name.size()] == '=') {
            value = std::string(given.substr(name.size() + 1));
        }
        i += option.length - 1;
    }
    return value;
}

} // namespace veltrane::platform
