// A window manager that loses the first request to map each window, as one that is itself still
// starting can: the game's splash still comes to the screen, because the game asks again.

#include <QDeadlineTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <cstdlib>
#include <gtest/gtest.h>
#include <poll.h>
#include <set>
#include <vector>
#include <xcb/xcb.h>

namespace {

// A virtual X server on a free display, with no window manager of its own.
class Server {
  public:
    Server() {
        process_.start(QStringLiteral("Xvfb"),
                       {QStringLiteral("-displayfd"), QStringLiteral("1"),
                        QStringLiteral("-screen"), QStringLiteral("0"),
                        QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                        QStringLiteral("tcp")});
        QByteArray number;
        const QDeadlineTimer deadline(15000);
        while (!number.contains('\n') && !deadline.hasExpired() &&
               process_.state() != QProcess::NotRunning) {
            process_.waitForReadyRead(50);
            number += process_.readAllStandardOutput();
        }
        display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    }
    ~Server() {
        process_.terminate();
        process_.waitForFinished(5000);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    QString display() const { return display_; }

  private:
    QProcess process_;
    QString display_;
};

// Grants a window's request to change its place, size or stacking as asked.
void grant(xcb_connection_t* connection, const xcb_configure_request_event_t& request) {
    std::vector<std::uint32_t> values;
    const std::uint16_t mask = request.value_mask;
    if (mask & XCB_CONFIG_WINDOW_X)
        values.push_back(static_cast<std::uint32_t>(request.x));
    if (mask & XCB_CONFIG_WINDOW_Y)
        values.push_back(static_cast<std::uint32_t>(request.y));
    if (mask & XCB_CONFIG_WINDOW_WIDTH)
        values.push_back(request.width);
    if (mask & XCB_CONFIG_WINDOW_HEIGHT)
        values.push_back(request.height);
    if (mask & XCB_CONFIG_WINDOW_BORDER_WIDTH)
        values.push_back(request.border_width);
    if (mask & XCB_CONFIG_WINDOW_SIBLING)
        values.push_back(request.sibling);
    if (mask & XCB_CONFIG_WINDOW_STACK_MODE)
        values.push_back(request.stack_mode);
    xcb_configure_window(connection, request.window, mask, values.data());
}

TEST(Start, TheSplashReachesTheScreenWhenTheWindowManagerLosesTheFirstRequest) {
    const Server server;
    ASSERT_GT(server.display().size(), 1) << "Xvfb chose no display";
    xcb_connection_t* connection = xcb_connect(server.display().toLatin1().constData(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(connection), 0);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t mask =
        XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_generic_error_t* refused = xcb_request_check(
        connection,
        xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &mask));
    ASSERT_EQ(refused, nullptr) << "another window manager holds the display";

    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DISPLAY"), server.display());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    game.setProcessEnvironment(environment);
    game.start(QStringLiteral(VELTRANE_EXECUTABLE), {});
    ASSERT_TRUE(game.waitForStarted(15000));

    std::set<xcb_window_t> lost;
    bool mapped = false;
    // The game asks again after a few seconds; a loaded machine gets as long again.
    const QDeadlineTimer deadline(30000);
    while (!mapped && !deadline.hasExpired() && game.state() == QProcess::Running) {
        pollfd p{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&p, 1, 100);
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            switch (event->response_type & 0x7F) {
            case XCB_MAP_REQUEST: {
                const auto* request = reinterpret_cast<xcb_map_request_event_t*>(event);
                // The first request for each window is lost; any later one is granted.
                if (!lost.insert(request->window).second) {
                    xcb_map_window(connection, request->window);
                }
                break;
            }
            case XCB_CONFIGURE_REQUEST:
                grant(connection, *reinterpret_cast<xcb_configure_request_event_t*>(event));
                break;
            case XCB_MAP_NOTIFY:
                if (lost.count(reinterpret_cast<xcb_map_notify_event_t*>(event)->window) > 0) {
                    mapped = true;
                }
                break;
            default:
                break;
            }
            std::free(event);
            xcb_flush(connection);
        }
        game.waitForFinished(0);
    }
    game.kill();
    game.waitForFinished(5000);
    xcb_disconnect(connection);
    EXPECT_FALSE(lost.empty()) << "the game asked for no window";
    EXPECT_TRUE(mapped) << "the splash never reached the screen after its first request was lost";
}

} // namespace
