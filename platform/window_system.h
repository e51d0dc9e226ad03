#pragma once
// Which window system the game opens, and what it says when it can open none.
//
// X is preferred whenever an X server is there (DISPLAY is set, Xwayland included): the sizing
// and centring of every window needs window positions, which only X gives. With no DISPLAY the
// game runs natively on Wayland, where the compositor places the windows. QT_QPA_PLATFORM or
// Qt's -platform option, when given, is obeyed as it is; Qt's -display option counts as DISPLAY.

#include <vector>

namespace veltrane::platform {

inline constexpr int kNoDisplayExitStatus = 1;

// Lives from before the application object is made until after: it hands the application its
// arguments with the chosen window system added, and holds back Qt's start-up messages. When
// no window system can be opened, the program says so in one line on standard error and ends
// with kNoDisplayExitStatus, instead of Qt's abort.
//
//     WindowSystemStart start(argc, argv);
//     GuardedApplication app(start.argc(), start.argv());
//     start.established();
class WindowSystemStart {
  public:
    WindowSystemStart(int argc, char** argv);
    ~WindowSystemStart();
    WindowSystemStart(const WindowSystemStart&) = delete;
    WindowSystemStart& operator=(const WindowSystemStart&) = delete;

    // The arguments for the application object, which keeps them for its whole life.
    int& argc() { return argc_; }
    char** argv() { return argv_.data(); }

    // The application object exists: the messages held back go out as Qt would have printed
    // them, and Qt's own handling of messages returns.
    void established();

  private:
    int argc_ = 0;
    std::vector<char*> argv_;
    bool holding_ = false;
};

} // namespace veltrane::platform
