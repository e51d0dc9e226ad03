#include "x_session.h"

#include "waits.h"

#include <QDeadlineTimer>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <stdexcept>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace veltrane::e2e {
namespace {

constexpr int kStartTimeoutMs = 15000;

[[noreturn]] void fail(const QString& what) {
    throw std::runtime_error(what.toStdString());
}

std::optional<WindowId> firstWindow(const QByteArray& output) {
    const QList<QByteArray> lines = output.split('\n');
    for (const QByteArray& line : lines) {
        bool ok = false;
        const WindowId id = line.trimmed().toULong(&ok);
        if (ok) {
            return id;
        }
    }
    return std::nullopt;
}

} // namespace

XSession::XSession(QSize screen, WindowManager manager) : server_(std::make_unique<QProcess>()) {
    // The server writes the display number it chose to its standard output. It never resets,
    // so monitors a test defines with xrandr stay while no client is connected.
    server_->start(QStringLiteral("Xvfb"),
                   {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"),
                    QStringLiteral("-screen"), QStringLiteral("0"),
                    QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height()),
                    QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    if (!server_->waitForStarted(kStartTimeoutMs)) {
        fail(QStringLiteral("Xvfb did not start"));
    }
    QByteArray number;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!number.contains('\n') && server_->waitForReadyRead(RemainingMs(deadline))) {
        number += server_->readAllStandardOutput();
    }
    if (!number.contains('\n')) {
        fail(server_->state() == QProcess::NotRunning ? QStringLiteral("Xvfb ended while starting")
                                                      : QStringLiteral("Xvfb chose no display"));
    }
    display_ = QLatin1Char(':') + QString::fromLatin1(number.trimmed());
    watchDisplay();

    startWindowManager(manager);
}

const char* NameOf(WindowManager manager) {
    switch (manager) {
    case WindowManager::IceWM:
        return "icewm";
    case WindowManager::Metacity:
        return "metacity";
    case WindowManager::Mutter:
        return "mutter";
    case WindowManager::Openbox:
        break;
    }
    return "openbox";
}

void XSession::startWindowManager(WindowManager manager) {
    QStringList arguments;
    QProcessEnvironment env = environment();
    switch (manager) {
    case WindowManager::Openbox:
        arguments = {QStringLiteral("--sm-disable")};
        break;
    case WindowManager::IceWM:
        // The manager alone, without the session that would start a panel and a background.
        break;
    case WindowManager::Metacity:
        arguments = {QStringLiteral("--sm-disable"), QStringLiteral("--compositor=none")};
        // Its settings from memory: the test session has no settings daemon to write to.
        env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
        break;
    case WindowManager::Mutter:
        arguments = {QStringLiteral("--x11"), QStringLiteral("--sm-disable")};
        env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
        break;
    }
    const QString program = QString::fromLatin1(NameOf(manager));
    windowManager_ = std::make_unique<QProcess>();
    windowManager_->setProcessEnvironment(env);
    // Its warnings about the bare test session (no settings daemon, no panel) are no news.
    windowManager_->setStandardOutputFile(QProcess::nullDevice());
    windowManager_->setStandardErrorFile(QProcess::nullDevice());
    windowManager_->start(program, arguments);
    if (!windowManager_->waitForStarted(kStartTimeoutMs)) {
        fail(program + QStringLiteral(" did not start"));
    }
    if (!waitUntil([this] { return windowManagerHasTheScreen(); }, kStartTimeoutMs)) {
        fail(program + QStringLiteral(" did not take the display"));
    }
}

bool XSession::windowManagerHasTheScreen() {
    xcb_connection_t* c = connection_.get();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_get_window_attributes_reply_t* attributes =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root), nullptr);
    const bool redirected = attributes != nullptr && (attributes->all_event_masks &
                                                      XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT) != 0;
    std::free(attributes);
    return redirected && run(QStringLiteral("xprop"),
                             {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")})
                             .contains("window id");
}

XSession::~XSession() {
    connection_.reset();
    for (auto& program : programs_) {
        StopProgram(*program);
    }
    if (windowManager_) {
        StopProgram(*windowManager_);
    }
    StopProgram(*server_);
}

void XSession::Disconnect::operator()(xcb_connection_t* connection) const {
    xcb_disconnect(connection);
}

void XSession::watchDisplay() {
    connection_.reset(xcb_connect(display_.toLatin1().constData(), nullptr));
    xcb_connection_t* c = connection_.get();
    if (xcb_connection_has_error(c) != 0) {
        fail(QStringLiteral("cannot connect to Xvfb"));
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    // Windows made, mapped, put in a frame and gone; the window manager's news on the root.
    // (Qt answers a ping to the root with the structure mask.)
    const std::uint32_t news = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY |
                               XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &news);
    // Drawing anywhere on the screen, told once until the next screenshot forgets it.
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        fail(QStringLiteral("Xvfb has no DAMAGE extension"));
    }
    damageNotify_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    std::free(xcb_damage_query_version_reply(
        c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    damage_ = xcb_generate_id(c);
    xcb_damage_create(c, damage_, root, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
    xcb_flush(c);
}

void XSession::takeEvents() {
    xcb_connection_t* c = connection_.get();
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
        const int type = event->response_type & ~0x80;
        if (type == XCB_CREATE_NOTIFY) {
            // A window's title, focus, mapping and end come as news of the window itself. (An
            // error comes back, and is dropped, for a window already gone.)
            const std::uint32_t news = XCB_EVENT_MASK_STRUCTURE_NOTIFY |
                                       XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_FOCUS_CHANGE;
            xcb_change_window_attributes(
                c, reinterpret_cast<const xcb_create_notify_event_t*>(event)->window,
                XCB_CW_EVENT_MASK, &news);
        } else if (type == damageNotify_) {
            drawn_ = true;
        } else if (type == XCB_CLIENT_MESSAGE) {
            // A program's answer to a ping comes back to the root with the ping's number.
            const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (message->format == 32 && message->data.data32[0] == pingAtom_) {
                answered_ = answered_ || message->data.data32[1] == pingNumber_;
            }
        }
        std::free(event);
    }
    xcb_flush(c);
    if (xcb_connection_has_error(c) != 0) {
        fail(QStringLiteral("the connection to Xvfb broke"));
    }
}

bool XSession::waitUntil(const std::function<bool()>& holds, int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        takeEvents();
        if (holds()) {
            return true;
        }
        if (deadline.hasExpired()) {
            return false;
        }
        pollfd news{xcb_get_file_descriptor(connection_.get()), POLLIN, 0};
        ::poll(&news, 1, RemainingMs(deadline));
    }
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display_);
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    return env;
}

QProcess& XSession::launch(const QString& program, const QStringList& arguments,
                           const QString& lang) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = environment();
    for (const char* overriding : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"}) {
        env.remove(QLatin1String(overriding));
    }
    env.insert(QStringLiteral("LANG"), lang);
    process->setProcessEnvironment(env);
    process->start(program, arguments);
    if (!process->waitForStarted(kStartTimeoutMs)) {
        fail(QStringLiteral("could not start ") + program);
    }
    programs_.push_back(std::move(process));
    return *programs_.back();
}

QByteArray XSession::run(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcess tool;
    tool.setProcessEnvironment(environment());
    tool.start(program, arguments);
    if (!tool.waitForFinished(timeoutMs)) {
        tool.kill();
        tool.waitForFinished(1000);
        fail(program + QLatin1Char(' ') + arguments.join(QLatin1Char(' ')) +
             QStringLiteral(" did not finish"));
    }
    if (tool.exitStatus() != QProcess::NormalExit) {
        fail(program + QStringLiteral(" crashed"));
    }
    return tool.readAllStandardOutput();
}

std::optional<WindowId> XSession::windowFromXdotool(const QStringList& arguments) {
    return firstWindow(run(QStringLiteral("xdotool"), arguments));
}

std::optional<WindowId> XSession::waitForWindow(const QString& titlePattern, int timeoutMs) {
    std::optional<WindowId> found;
    waitUntil(
        [&] {
            found = windowFromXdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), titlePattern});
            return found.has_value();
        },
        timeoutMs);
    return found;
}

std::optional<WindowId> XSession::waitForWindowOf(const QProcess& program, int timeoutMs) {
    std::optional<WindowId> found;
    waitUntil(
        [&] {
            found =
                windowFromXdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                   QStringLiteral("--pid"), QString::number(program.processId())});
            return found.has_value();
        },
        timeoutMs);
    return found;
}

bool XSession::waitForWindowGone(const QString& titlePattern, int timeoutMs) {
    return waitUntil(
        [&] {
            return !windowFromXdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), titlePattern});
        },
        timeoutMs);
}

bool XSession::waitForFocus(WindowId window, int timeoutMs) {
    return waitUntil(
        [&] { return windowFromXdotool({QStringLiteral("getwindowfocus")}) == window; }, timeoutMs);
}

std::optional<WindowId> XSession::waitForFocusMovedFrom(WindowId from, int timeoutMs) {
    std::optional<WindowId> focused;
    const bool moved = waitUntil(
        [&] {
            focused = windowFromXdotool({QStringLiteral("getwindowfocus")});
            return focused.has_value() && *focused != from;
        },
        timeoutMs);
    return moved ? focused : std::nullopt;
}

bool XSession::waitForActive(WindowId window, int timeoutMs) {
    return waitUntil(
        [&] { return windowFromXdotool({QStringLiteral("getactivewindow")}) == window; },
        timeoutMs);
}

QString XSession::windowTitle(WindowId window) {
    return QString::fromUtf8(run(QStringLiteral("xdotool"),
                                 {QStringLiteral("getwindowname"), QString::number(window)}))
        .trimmed();
}

QRect XSession::clientGeometry(WindowId window) {
    const QString info = QString::fromUtf8(
        run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)}));
    const auto field = [&info](const char* name) {
        const QRegularExpression re(QStringLiteral("%1:\\s*(-?\\d+)").arg(QLatin1String(name)));
        const QRegularExpressionMatch m = re.match(info);
        if (!m.hasMatch()) {
            fail(QStringLiteral("xwininfo gave no ") + QLatin1String(name));
        }
        return m.captured(1).toInt();
    };
    return {field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"),
            field("Height")};
}

void XSession::click(int x, int y, int button) {
    // The server carries out one client's requests in order, so the press comes where the move
    // put the pointer. (xdotool's --sync waits for the pointer to move, for ever when it is
    // already there: a second click on the same spot.)
    run(QStringLiteral("xdotool"),
        {QStringLiteral("mousemove"), QString::number(x), QString::number(y),
         QStringLiteral("click"), QString::number(button)});
}

void XSession::keys(WindowId window, const QStringList& keys) {
    run(QStringLiteral("xdotool"),
        {QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)});
    for (const QString& key : keys) {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("50"), key});
    }
}

std::vector<unsigned long> XSession::numbers(const QString& property,
                                             std::optional<WindowId> window) {
    QStringList arguments{QStringLiteral("-notype")};
    arguments << (window ? QStringList{QStringLiteral("-id"), QString::number(*window)}
                         : QStringList{QStringLiteral("-root")});
    arguments << property;
    const QString text = QString::fromUtf8(run(QStringLiteral("xprop"), arguments));
    std::vector<unsigned long> values;
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    const qsizetype hash = text.indexOf(QLatin1Char('#'));
    if (equals < 0 && hash < 0) {
        return values; // "not found", "no such atom"
    }
    // After "=" for numbers, after "#" for window ids ("window id # 0x400009").
    const QString list = text.mid(std::max(equals, hash) + 1);
    static const QRegularExpression number(QStringLiteral("(0x[0-9a-fA-F]+|\\d+)"));
    for (auto it = number.globalMatch(list); it.hasNext();) {
        bool ok = false;
        const unsigned long value = it.next().captured(1).toULong(&ok, 0);
        if (ok) {
            values.push_back(value);
        }
    }
    return values;
}

std::pair<QSize, QSize> XSession::sizeHints(WindowId window) {
    const QString text = QString::fromUtf8(
        run(QStringLiteral("xprop"),
            {QStringLiteral("-id"), QString::number(window), QStringLiteral("WM_NORMAL_HINTS")}));
    const auto size = [&text](const char* which) {
        const QRegularExpression re(QStringLiteral("program specified %1 size: (\\d+) by (\\d+)")
                                        .arg(QLatin1String(which)));
        const QRegularExpressionMatch m = re.match(text);
        return m.hasMatch() ? QSize(m.captured(1).toInt(), m.captured(2).toInt()) : QSize();
    };
    return {size("minimum"), size("maximum")};
}

bool XSession::viewable(WindowId window) {
    return run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)})
        .contains("IsViewable");
}

void XSession::requestState(WindowId window, bool add, const QString& state,
                            const QString& second) {
    xcb_connection_t* c = connection_.get();
    const auto atom = [c](const QString& name) -> xcb_atom_t {
        if (name.isEmpty()) {
            return XCB_ATOM_NONE;
        }
        const QByteArray bytes = name.toLatin1();
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(bytes.size()), bytes.constData()),
            nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return found;
    };
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window);
    message.type = atom(QStringLiteral("_NET_WM_STATE"));
    message.data.data32[0] = add ? 1 : 0;
    message.data.data32[1] = atom(state);
    message.data.data32[2] = atom(second);
    message.data.data32[3] = 2; // from a pager or the desktop, not the program
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(c);
}

void XSession::typeKeys(const QStringList& keys) {
    // A long run of keys takes a while to type.
    run(QStringLiteral("xdotool"), QStringList{QStringLiteral("key")} + keys,
        10000 + 50 * static_cast<int>(keys.size()));
}

QImage XSession::screenshot() {
    // What is drawn from now on is news for waitForDrawing: the damage so far is forgotten here
    // and, before the picture is taken, by the server.
    takeEvents();
    drawn_ = false;
    xcb_connection_t* c = connection_.get();
    xcb_damage_subtract(c, damage_, XCB_NONE, XCB_NONE);
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));

    const QByteArray png = run(QStringLiteral("import"),
                               {QStringLiteral("-silent"), QStringLiteral("-window"),
                                QStringLiteral("root"), QStringLiteral("png:-")},
                               20000);
    QImage image = QImage::fromData(png, "PNG");
    if (image.isNull()) {
        fail(QStringLiteral("the screenshot could not be read"));
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

bool XSession::waitForAnswer(WindowId window, int timeoutMs) {
    xcb_connection_t* c = connection_.get();
    const auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t found = reply != nullptr ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
        std::free(reply);
        return found;
    };
    pingAtom_ = atom("_NET_WM_PING");
    xcb_client_message_event_t ping{};
    ping.response_type = XCB_CLIENT_MESSAGE;
    ping.format = 32;
    ping.window = static_cast<xcb_window_t>(window);
    ping.type = atom("WM_PROTOCOLS");
    ping.data.data32[0] = pingAtom_;
    // Its number stands in the time's place, which the answer carries back: far above the
    // server's times, which the window manager's own pings carry.
    pingNumber_ = 0xF0000000U + ++pingsSent_;
    answered_ = false;
    ping.data.data32[1] = pingNumber_;
    ping.data.data32[2] = static_cast<xcb_window_t>(window);
    xcb_send_event(c, 0, static_cast<xcb_window_t>(window), XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&ping));
    xcb_flush(c);
    return waitUntil([this] { return answered_; }, timeoutMs);
}

bool XSession::waitForDrawing(int timeoutMs) {
    return waitUntil([this] { return drawn_; }, timeoutMs);
}

} // namespace veltrane::e2e
