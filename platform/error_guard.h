#pragma once
// The one guard around every event handler. A run-time error that escapes a handler shows
// "Run-time error 'N':" and its message in the message box, then ends the program with a
// non-zero status. Nothing else catches errors, and no exception crosses Qt's event loop.

#include <QApplication>
#include <exception>
#include <utility>

namespace veltrane::platform {

inline constexpr int kRuntimeErrorExitStatus = 3;

// Shows the message for the error in flight and ends the program. Call only from a catch block.
[[noreturn]] void FailWithCurrentException() noexcept;

// Runs one event handler inside the guard.
template <typename Handler> void Guarded(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (...) {
        FailWithCurrentException();
    }
}

// The application object: every event Qt delivers passes through the guard as well, so an
// error from a handler that was not wrapped by hand still ends the program cleanly.
class GuardedApplication : public QApplication {
  public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace veltrane::platform
