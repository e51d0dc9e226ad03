#pragma once
// End-to-end test support: a real X server for the real program.
//
// XSession starts Xvfb on a free display (it picks the display itself, -displayfd) with a
// 1024 x 768 screen (or the size given), starts a window manager on it (openbox, or the one
// given) and waits until that manager has taken the screen over, and starts programs with
// DISPLAY set. It finds windows by title, reads a window's client geometry, sends real input
// through the X server (xdotool) and takes screenshots of the whole screen. Every wait is bounded,
// and woken by the server's own news (a window created, mapped, renamed or focused, the screen
// drawn on) through a connection of the session's own, never by a set time. The destructor ends
// every program it started, then the window manager, then the server, also when a test fails
// half-way; a session that cannot start throws std::runtime_error.
//
// Typical use in a GoogleTest test:
//
//     veltrane::e2e::XSession x;
//     x.launch(VELTRANE_EXECUTABLE);
//     const auto board = x.waitForWindow("^Veltrane Solitaire$");
//     ASSERT_TRUE(board);
//     const auto client = x.clientGeometry(*board);
//     x.click(client.x + 10, client.y + 10);
//     const QImage screen = x.screenshot();
//
// Add it to an end-to-end .cmake file of tests/e2e with
//     if(NOT TARGET veltrane_e2e_support)
//       add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/support ${CMAKE_CURRENT_BINARY_DIR}/support)
//     endif()
// and link veltrane_e2e_support; label the tests e2e.

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

struct xcb_connection_t;

namespace veltrane::e2e {

using WindowId = unsigned long;

// Window managers from Debian that players use and that behave differently towards small fixed
// windows, dialogs and focus.
// Mutter (GNOME's, on X) needs a session bus: run the test program under dbus-run-session.
enum class WindowManager { Openbox, IceWM, Metacity, Mutter };

// "openbox", "icewm", "metacity", "mutter": for test names and messages.
const char* NameOf(WindowManager manager);

class XSession {
  public:
    explicit XSession(QSize screen = QSize(1024, 768),
                      WindowManager manager = WindowManager::Openbox);
    explicit XSession(WindowManager manager) : XSession(QSize(1024, 768), manager) {}
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // ":N", the display the server listens on.
    QString display() const { return display_; }
    // The test's own environment with DISPLAY pointing at this server.
    QProcessEnvironment environment() const;

    // Starts a program on this display; it is ended at teardown if still running. Its desktop
    // language is set by LANG alone: English by default, whatever the developer's own is.
    QProcess& launch(const QString& program, const QStringList& arguments = {},
                     const QString& lang = QStringLiteral("C.UTF-8"));

    // The first visible window whose title matches the (POSIX extended) regular expression,
    // waiting up to timeoutMs; nothing when none appeared in time.
    std::optional<WindowId> waitForWindow(const QString& titlePattern, int timeoutMs = 15000);
    // The first visible window of a started program, whatever its title.
    std::optional<WindowId> waitForWindowOf(const QProcess& program, int timeoutMs = 15000);
    // True once no visible window matches the title, waiting up to timeoutMs.
    bool waitForWindowGone(const QString& titlePattern, int timeoutMs = 15000);
    QString windowTitle(WindowId window);
    // True once the window has the input focus, waiting up to timeoutMs.
    bool waitForFocus(WindowId window, int timeoutMs = 15000);
    // The window that has the input focus once it is another than `from` (a window the program
    // opened, say), waiting up to timeoutMs.
    std::optional<WindowId> waitForFocusMovedFrom(WindowId from, int timeoutMs = 15000);
    // True once the window manager names the window as the active one, waiting up to timeoutMs.
    bool waitForActive(WindowId window, int timeoutMs = 15000);

    // The window's client area (inside the window manager's frame) in screen coordinates.
    QRect clientGeometry(WindowId window);

    // Real input through the X server. Coordinates are screen pixels.
    void click(int x, int y, int button = 1);
    // Raises and focuses the window, then types the keys (xdotool names, e.g. "alt+f", "d").
    void keys(WindowId window, const QStringList& keys);
    // Types the keys, in one go, into whatever window has the focus now: nothing is raised or
    // focused first, so a test sees where the program and the window manager put the focus.
    void typeKeys(const QStringList& keys);

    // What the window manager and the program say of a window. A window property's numbers
    // (xprop's reading: _MOTIF_WM_HINTS, _NET_WM_DESKTOP, WM_TRANSIENT_FOR ...), none when the
    // property is not set; a root window's property with no window.
    std::vector<unsigned long> numbers(const QString& property,
                                       std::optional<WindowId> window = std::nullopt);
    // The minimum and maximum size of the window's WM_NORMAL_HINTS; empty sizes when unset.
    std::pair<QSize, QSize> sizeHints(WindowId window);
    // True when the window is mapped and all its ancestors are (it can be seen on the screen).
    bool viewable(WindowId window);
    // True once the program that owns the window has answered a ping (_NET_WM_PING), so it has
    // handled every event the server sent it before, waiting up to timeoutMs.
    bool waitForAnswer(WindowId window, int timeoutMs = 15000);
    // The window manager's stacking order of its clients, bottom first.
    std::vector<WindowId> stacking() {
        return numbers(QStringLiteral("_NET_CLIENT_LIST_STACKING"));
    }
    // Asks the window manager to add (or remove) a state such as "_NET_WM_STATE_FULLSCREEN", or
    // two at once, as a pager or a keyboard shortcut of the desktop would.
    void requestState(WindowId window, bool add, const QString& state,
                      const QString& second = QString());
    // Asks at once and again after each piece of news from the server, until the condition
    // holds (true) or timeoutMs have passed (false).
    bool waitFor(const std::function<bool()>& holds, int timeoutMs = 15000) {
        return waitUntil(holds, timeoutMs);
    }

    // The whole screen as the X server holds it.
    QImage screenshot();
    // True once something has been drawn on the screen since the last screenshot began (since
    // the start before the first), waiting up to timeoutMs.
    bool waitForDrawing(int timeoutMs);

    // Runs a tool on this display and returns its standard output; a tool that fails or
    // outlives timeoutMs throws std::runtime_error.
    QByteArray run(const QString& program, const QStringList& arguments, int timeoutMs = 10000);

  private:
    struct Disconnect {
        void operator()(xcb_connection_t* connection) const;
    };

    void watchDisplay();
    void startWindowManager(WindowManager manager);
    // A window manager has the screen once it redirects the root window's children to itself
    // and names its check window on the root, as the desktop's window-manager convention asks.
    bool windowManagerHasTheScreen();
    // Takes the news the server has sent so far; a new window is watched from then on.
    void takeEvents();
    // Asks the condition at once and again after each piece of news, until it holds (true) or
    // the deadline has passed (false).
    bool waitUntil(const std::function<bool()>& holds, int timeoutMs);
    // The first window xdotool names in its answer.
    std::optional<WindowId> windowFromXdotool(const QStringList& arguments);

    std::unique_ptr<QProcess> server_;
    std::unique_ptr<QProcess> windowManager_;
    std::vector<std::unique_ptr<QProcess>> programs_;
    QString display_;
    std::unique_ptr<xcb_connection_t, Disconnect> connection_;
    std::uint32_t damage_ = 0;
    std::uint8_t damageNotify_ = 0;
    bool drawn_ = false;
    std::uint32_t pingsSent_ = 0;
    std::uint32_t pingNumber_ = 0;
    bool answered_ = false;
    std::uint32_t pingAtom_ = 0;
};

} // namespace veltrane::e2e
