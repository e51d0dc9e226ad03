// The real program on a Wayland compositor (weston, headless) with no X server: it starts
// natively and shows its splash. With both an X server and Wayland present it opens X, where
// it places its own windows, unless QT_QPA_PLATFORM says otherwise.
//
// What the program does on Wayland is read from its own protocol log (WAYLAND_DEBUG=1): the
// splash is shown once the window titled "Welcome" has a picture attached and the compositor
// has put it on its output. The headless compositor has no input devices, so ENTER HERE cannot
// be clicked there.

#include "waits.h"
#include "x_session.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kTimeoutMs = 20000;

enum class Shell { WestonDesktop, WestonKiosk, Mutter };

// A Wayland compositor on a socket of its own, in a runtime folder of its own; stopped with it.
// Weston headless, or in a window of an X session, where real input from the X server reaches
// its clients; with its desktop shell or its kiosk shell. GNOME's compositor (mutter) nested in
// a window of an X session, on the session bus the test program runs under, its output the
// size of weston's.
class Compositor {
  public:
    explicit Compositor(const veltrane::e2e::XSession* inside = nullptr,
                        Shell shell = Shell::WestonDesktop) {
        if (!runtime_.isValid()) {
            throw std::runtime_error("no runtime folder for the compositor");
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QStringList arguments{QStringLiteral("--backend=headless-backend.so")};
        if (inside != nullptr) {
            env.insert(QStringLiteral("DISPLAY"), inside->display());
            arguments = {QStringLiteral("--backend=x11-backend.so"), QStringLiteral("--width=1024"),
                         QStringLiteral("--height=700")};
        }
        arguments << QStringLiteral("--socket=") + socket() << QStringLiteral("--idle-time=0")
                  << (shell == Shell::WestonKiosk ? QStringLiteral("--shell=kiosk-shell.so")
                                                  : QStringLiteral("--shell=desktop-shell.so"));
        QString program = QStringLiteral("weston");
        if (shell == Shell::Mutter) {
            program = QStringLiteral("mutter");
            arguments = {QStringLiteral("--wayland"), QStringLiteral("--nested"),
                         QStringLiteral("--no-x11"),
                         QStringLiteral("--wayland-display=") + socket()};
            env.insert(QStringLiteral("MUTTER_DEBUG_DUMMY_MODE_SPECS"), QStringLiteral("1024x700"));
            // Its settings from memory: the test session has no settings daemon.
            env.insert(QStringLiteral("GSETTINGS_BACKEND"), QStringLiteral("memory"));
        }
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.setStandardOutputFile(runtime_.filePath(QStringLiteral("compositor.log")));
        server_.start(program, arguments);
        if (!server_.waitForStarted(kTimeoutMs)) {
            throw std::runtime_error("the compositor did not start");
        }
        // Clients may connect once the socket is there.
        if (!veltrane::e2e::WaitOnFolder(
                runtime_.path(), [this] { return QFileInfo::exists(runtime_.filePath(socket())); },
                kTimeoutMs, &server_)) {
            throw std::runtime_error("the compositor opened no socket");
        }
    }
    ~Compositor() { veltrane::e2e::StopProgram(server_); }
    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    static QString socket() { return QStringLiteral("veltrane-test"); }
    QString runtimeFolder() const { return runtime_.path(); }

  private:
    QTemporaryDir runtime_;
    QProcess server_;
};

// The game with its protocol log on standard error; ended when the test is done with it.
class Game {
  public:
    explicit Game(QProcessEnvironment env) {
        env.insert(QStringLiteral("WAYLAND_DEBUG"), QStringLiteral("1"));
        // No sound server: the greeting goes nowhere.
        env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/pulse"));
        process_.setProcessEnvironment(env);
        process_.setReadChannel(QProcess::StandardError);
        process_.start(QStringLiteral(VELTRANE_EXECUTABLE), {});
    }
    ~Game() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    QProcess& process() { return process_; }

    // The protocol log so far, read until the condition holds on it or the time is up.
    template <typename Condition> bool waitFor(Condition condition, int timeoutMs = kTimeoutMs) {
        const QDeadlineTimer deadline(timeoutMs);
        for (;;) {
            log_ += process_.readAllStandardError();
            if (condition(log_)) {
                return true;
            }
            if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) {
                return false;
            }
            process_.waitForReadyRead(
                static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        }
    }
    const QByteArray& log() const { return log_; }

  private:
    QProcess process_;
    QByteArray log_;
};

// A window of the game as its protocol log names it: its xdg_toplevel, the wl_surface that
// holds it, its title and its least size (the client size of a window fixed in size).
struct Toplevel {
    QString id;
    QString surface;
    QString title;
    QSize minimum;
};

// The game's windows in the order it made them; a later title or size replaces an earlier one.
std::vector<Toplevel> Toplevels(const QByteArray& log) {
    static const QRegularExpression xdgSurface(
        QStringLiteral(R"re(get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\))re"));
    static const QRegularExpression made(
        QStringLiteral(R"re(xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\))re"));
    static const QRegularExpression titled(
        QStringLiteral(R"re(xdg_toplevel@(\d+)\.set_title\("(.*)"\))re"));
    static const QRegularExpression minimum(
        QStringLiteral(R"re(xdg_toplevel@(\d+)\.set_min_size\((\d+), (\d+)\))re"));
    QHash<QString, QString> surfaceOfXdg;
    std::vector<Toplevel> toplevels;
    const auto find = [&toplevels](const QString& id) -> Toplevel* {
        const auto it = std::find_if(toplevels.begin(), toplevels.end(),
                                     [&id](const Toplevel& t) { return t.id == id; });
        return it != toplevels.end() ? &*it : nullptr;
    };
    for (const QByteArray& raw : log.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        QRegularExpressionMatch match;
        if ((match = xdgSurface.match(line)).hasMatch()) {
            surfaceOfXdg.insert(match.captured(1), match.captured(2));
        } else if ((match = made.match(line)).hasMatch()) {
            toplevels.push_back({match.captured(2), surfaceOfXdg.value(match.captured(1)), {}, {}});
        } else if ((match = titled.match(line)).hasMatch()) {
            if (Toplevel* t = find(match.captured(1))) {
                t->title = match.captured(2);
            }
        } else if ((match = minimum.match(line)).hasMatch()) {
            if (Toplevel* t = find(match.captured(1))) {
                t->minimum = QSize(match.captured(2).toInt(), match.captured(3).toInt());
            }
        }
    }
    return toplevels;
}

// True when the log shows a window of the given title and client size with a picture
// attached and placed on the compositor's output.
bool WindowShown(const QByteArray& log, const QString& title, const QSize& client) {
    static const QRegularExpression attached(
        QStringLiteral(R"re(wl_surface@(\d+)\.attach\(wl_buffer@)re"));
    static const QRegularExpression entered(
        QStringLiteral(R"re(wl_surface@(\d+)\.enter\(wl_output@)re"));
    QSet<QString> windowSurfaces;
    for (const Toplevel& t : Toplevels(log)) {
        if (t.title == title && t.minimum == client) {
            windowSurfaces.insert(t.surface);
        }
    }
    QSet<QString> attachedSurfaces;
    for (const QByteArray& raw : log.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        QRegularExpressionMatch match;
        if ((match = attached.match(line)).hasMatch()) {
            attachedSurfaces.insert(match.captured(1));
        } else if ((match = entered.match(line)).hasMatch() &&
                   windowSurfaces.contains(match.captured(1)) &&
                   attachedSurfaces.contains(match.captured(1))) {
            return true;
        }
    }
    return false;
}

bool SplashShown(const QByteArray& log) {
    return WindowShown(log, QStringLiteral("Welcome"), QSize(401, 405));
}

QProcessEnvironment WaylandOnly(const Compositor& weston) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), weston.runtimeFolder());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), Compositor::socket());
    return env;
}

// A Wayland desktop that also runs Xwayland, as the desktops announce it.
QProcessEnvironment XAndWayland(const Compositor& weston, const veltrane::e2e::XSession& x) {
    QProcessEnvironment env = WaylandOnly(weston);
    env.insert(QStringLiteral("DISPLAY"), x.display());
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    env.remove(QStringLiteral("XDG_SESSION_DESKTOP"));
    return env;
}

TEST(Wayland, WithNoXServerTheGameRunsNativelyAndShowsItsSplash) {
    const Compositor weston;
    Game game(WaylandOnly(weston));
    ASSERT_TRUE(game.process().waitForStarted(kTimeoutMs));
    EXPECT_TRUE(game.waitFor(SplashShown)) << "no splash on weston; the game said:\n"
                                           << game.log().right(4000).toStdString();
    EXPECT_EQ(game.process().state(), QProcess::Running);
    // The board waits behind the splash, loaded but not shown.
    EXPECT_FALSE(game.log().contains("set_title(\"Veltrane Solitaire\")"));
}

TEST(Wayland, WithBothTheGameOpensXUnlessQtIsToldOtherwise) {
    const Compositor weston;
    veltrane::e2e::XSession x;
    {
        Game game(XAndWayland(weston, x));
        ASSERT_TRUE(game.process().waitForStarted(kTimeoutMs));
        EXPECT_TRUE(x.waitForWindow(QStringLiteral("^Welcome$"), kTimeoutMs))
            << "no splash on X; the game said:\n"
            << game.log().right(4000).toStdString();
        game.waitFor([](const QByteArray&) { return true; });
        EXPECT_FALSE(game.log().contains("xdg_toplevel")) << "a window was made on Wayland";
    }
    {
        QProcessEnvironment env = XAndWayland(weston, x);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
        Game game(env);
        ASSERT_TRUE(game.process().waitForStarted(kTimeoutMs));
        EXPECT_TRUE(game.waitFor(SplashShown)) << "QT_QPA_PLATFORM=wayland was not obeyed";
    }
}

// The last of the game's windows titled so; nothing when none.
std::optional<Toplevel> Titled(const QByteArray& log, const QString& title) {
    std::optional<Toplevel> found;
    for (const Toplevel& t : Toplevels(log)) {
        if (t.title == title) {
            found = t;
        }
    }
    return found;
}

// Where weston shows a surface of the game, in X screen coordinates: the pointer is moved over
// weston's output until the game is told it entered that surface, at which surface point.
// Weston places new windows where it likes, and only its clients learn where.
std::optional<QPoint> FindSurface(veltrane::e2e::XSession& x, Game& game, const QRect& output,
                                  const QString& surface) {
    const QRegularExpression entered(
        QStringLiteral(R"re(wl_pointer@\d+\.enter\(\d+, wl_surface@%1, ([\d.]+), ([\d.]+)\))re")
            .arg(surface));
    for (int y = output.top() + 100; y < output.bottom(); y += 150) {
        for (int left = output.left() + 50; left < output.right(); left += 150) {
            // Off every window first (weston's panel), so that the move is an entry.
            x.run(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QString::number(output.left() + 5),
                   QString::number(output.top() + 5)});
            const qsizetype before = game.log().size();
            x.run(QStringLiteral("xdotool"),
                  {QStringLiteral("mousemove"), QString::number(left), QString::number(y)});
            QRegularExpressionMatch match;
            if (game.waitFor(
                    [&](const QByteArray& log) {
                        match = entered.match(QString::fromUtf8(log.mid(before)));
                        return match.hasMatch();
                    },
                    300)) {
                return QPoint(left - static_cast<int>(match.captured(1).toDouble()),
                              y - static_cast<int>(match.captured(2).toDouble()));
            }
        }
    }
    return std::nullopt;
}

bool ProtocolError(const QByteArray& log) {
    return log.contains("Protocol error") || log.contains(".error(");
}

// A kiosk compositor shows every window full screen. The protocol lets a full-screen window
// keep a smaller size, which the compositor centres, and the splash keeps its own.
TEST(Wayland, UnderAKioskShellTheSplashKeepsItsOwnSize) {
    const Compositor weston(nullptr, Shell::WestonKiosk);
    Game game(WaylandOnly(weston));
    ASSERT_TRUE(game.waitFor(SplashShown)) << game.log().right(4000).toStdString();
    const QString splash = Titled(game.log(), QStringLiteral("Welcome")).value_or(Toplevel{}).id;
    const QRegularExpression fullScreen(
        QStringLiteral(R"re(xdg_toplevel@%1\.configure\((\d+), (\d+), array\[)re").arg(splash));
    const QRegularExpression xdgSurface(
        QStringLiteral(R"re(xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@%1\))re")
            .arg(splash));
    EXPECT_TRUE(game.waitFor([&](const QByteArray& raw) {
        const QString log = QString::fromUtf8(raw);
        const QString ownSize = QStringLiteral("xdg_surface@%1.set_window_geometry(0, 0, 401, 405)")
                                    .arg(xdgSurface.match(log).captured(1));
        for (auto it = fullScreen.globalMatch(log); it.hasNext();) {
            const QRegularExpressionMatch configured = it.next();
            if (configured.captured(1).toInt() > 401) {
                return log.indexOf(ownSize, configured.capturedEnd()) >= 0;
            }
        }
        return false;
    })) << game.log().right(4000).toStdString();
    EXPECT_FALSE(ProtocolError(game.log()));
    EXPECT_EQ(game.process().state(), QProcess::Running);
}

// Qt's own title bar on weston's desktop: the surface holds it, 30 pixels high with a 3-pixel
// border, around the client area.
constexpr QPoint kClientInSurface{3, 30};

TEST(Wayland, OnWestonsDesktopTheBoardSurvivesMaximisingAndHelpBelongsToIt) {
    veltrane::e2e::XSession x;
    const Compositor weston(&x);
    // Weston names its window only in the form xdotool does not search by name.
    std::optional<veltrane::e2e::WindowId> output;
    x.waitFor([&] {
        bool ok = false;
        const veltrane::e2e::WindowId id =
            x.run(QStringLiteral("xdotool"),
                  {QStringLiteral("search"), QStringLiteral("--class"), QStringLiteral("^weston")})
                .split('\n')
                .value(0)
                .trimmed()
                .toULong(&ok);
        if (ok) {
            output = id;
        }
        return ok && x.viewable(id);
    });
    ASSERT_TRUE(output) << "weston shows no window";
    const QRect screen = x.clientGeometry(*output);
    QProcessEnvironment env = WaylandOnly(weston);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    Game game(env);
    ASSERT_TRUE(game.waitFor(SplashShown)) << game.log().right(4000).toStdString();

    const auto splash =
        FindSurface(x, game, screen,
                    Titled(game.log(), QStringLiteral("Welcome")).value_or(Toplevel{}).surface);
    ASSERT_TRUE(splash) << "the pointer never entered the splash";
    const QPoint enterHere = *splash + kClientInSurface + QPoint(204, 380);
    x.click(enterHere.x(), enterHere.y());
    ASSERT_TRUE(game.waitFor([](const QByteArray& log) {
        return WindowShown(log, QStringLiteral("Veltrane Solitaire"), QSize(621, 480));
    })) << game.log().right(4000).toStdString();
    const QString boardToplevel =
        Titled(game.log(), QStringLiteral("Veltrane Solitaire")).value_or(Toplevel{}).id;

    // The maximise button of Qt's title bar (or weston's own maximise key): the board is drawn
    // at the size the compositor configured, as the protocol requires, and plays on.
    const auto board = FindSurface(
        x, game, screen,
        Titled(game.log(), QStringLiteral("Veltrane Solitaire")).value_or(Toplevel{}).surface);
    ASSERT_TRUE(board) << "the pointer never entered the board";
    const QPoint maximise = *board + QPoint(621 + 6 - 54 + 9, 15);
    const qsizetype beforeMaximise = game.log().size();
    x.click(maximise.x(), maximise.y());
    const QRegularExpression maximised(
        QStringLiteral(R"re(xdg_toplevel@%1\.configure\((\d+), (\d+), array\[8\]\))re")
            .arg(boardToplevel));
    QRegularExpressionMatch configured;
    ASSERT_TRUE(game.waitFor([&](const QByteArray& log) {
        configured = maximised.match(QString::fromUtf8(log.mid(beforeMaximise)));
        return configured.hasMatch() || ProtocolError(log);
    })) << "weston did not maximise the board";
    ASSERT_TRUE(configured.hasMatch()) << game.log().right(2000).toStdString();
    const QByteArray drawnAtThatSize = QStringLiteral("set_window_geometry(0, 0, %1, %2)")
                                           .arg(configured.captured(1), configured.captured(2))
                                           .toUtf8();
    EXPECT_TRUE(game.waitFor([&](const QByteArray& log) {
        return log.mid(beforeMaximise).contains(drawnAtThatSize) || ProtocolError(log);
    }));
    const QPoint onBoard = *board + kClientInSurface + QPoint(300, 19 + 440);
    x.click(onBoard.x(), onBoard.y());
    // Weston's maximise key, twice: back to the board's own size, and maximised again.
    for (int press = 0; press < 2; ++press) {
        const qsizetype before = game.log().size();
        x.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("super+shift+m")});
        EXPECT_TRUE(game.waitFor([&](const QByteArray& log) {
            return log.mid(before).contains(".ack_configure(") || ProtocolError(log);
        }));
    }
    EXPECT_FALSE(ProtocolError(game.log())) << game.log().right(2000).toStdString();
    ASSERT_EQ(game.process().state(), QProcess::Running);

    // Help from the board's menu by keys: its toplevel's parent is the board's.
    x.click(onBoard.x(), onBoard.y());
    x.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+h")});
    x.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("r")});
    ASSERT_TRUE(game.waitFor([](const QByteArray& log) {
        return WindowShown(log, QStringLiteral("Veltrane - Help"), QSize(441, 304));
    })) << game.log().right(4000).toStdString();
    const QString helpToplevel =
        Titled(game.log(), QStringLiteral("Veltrane - Help")).value_or(Toplevel{}).id;
    EXPECT_TRUE(game.log().contains(QStringLiteral("xdg_toplevel@%1.set_parent(xdg_toplevel@%2)")
                                        .arg(helpToplevel, boardToplevel)
                                        .toUtf8()));

    // Minimised from its own title bar, Help comes back with a click on the board it blocks,
    // above it; its buttons take real clicks: About reads its page, OK closes it.
    auto help = FindSurface(
        x, game, screen,
        Titled(game.log(), QStringLiteral("Veltrane - Help")).value_or(Toplevel{}).surface);
    ASSERT_TRUE(help) << "the pointer never entered Help";
    const QPoint minimise = *help + QPoint(441 + 6 - 63, 15);
    x.click(minimise.x(), minimise.y());
    ASSERT_TRUE(game.waitFor([&](const QByteArray& log) {
        return log.contains(
            QStringLiteral("xdg_toplevel@%1.set_minimized()").arg(helpToplevel).toUtf8());
    }));
    x.click(onBoard.x(), onBoard.y());
    help = FindSurface(
        x, game, screen,
        Titled(game.log(), QStringLiteral("Veltrane - Help")).value_or(Toplevel{}).surface);
    ASSERT_TRUE(help) << "Help stayed out of reach";
    const QPoint about = *help + kClientInSurface + QPoint(363, 254);
    x.click(about.x(), about.y());
    const QPoint ok = *help + kClientInSurface + QPoint(363, 281);
    x.click(ok.x(), ok.y());
    EXPECT_TRUE(game.waitFor([&](const QByteArray& log) {
        return log.contains(QStringLiteral("xdg_toplevel@%1.destroy()").arg(helpToplevel).toUtf8());
    })) << "Help did not close";
    EXPECT_FALSE(ProtocolError(game.log())) << game.log().right(2000).toStdString();
    EXPECT_EQ(game.process().state(), QProcess::Running);
}

// GNOME's compositor, natively: the splash is passed with a real click, Help, opened from the
// board, is the board's child, and minimised from its own title bar it takes the board along.
TEST(Wayland, OnGnomesCompositorTheBoardOpensAndHelpBelongsToIt) {
    veltrane::e2e::XSession x;
    const Compositor mutter(&x, Shell::Mutter);
    // Mutter names its window only in the form xdotool does not search.
    const QRegularExpression named(QStringLiteral(R"re((0x[0-9a-f]+) "mutter")re"));
    QRect screen;
    ASSERT_TRUE(x.waitFor([&] {
        const QRegularExpressionMatch window = named.match(QString::fromUtf8(
            x.run(QStringLiteral("xwininfo"), {QStringLiteral("-root"), QStringLiteral("-tree")})));
        if (window.hasMatch()) {
            screen = x.clientGeometry(window.captured(1).toULong(nullptr, 16));
        }
        return screen.width() > 100;
    })) << "mutter shows no window";
    QProcessEnvironment env = WaylandOnly(mutter);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("wayland"));
    Game game(env);
    ASSERT_TRUE(game.waitFor(SplashShown)) << game.log().right(4000).toStdString();
    // Mutter tells the game where the pointer is when it comes into its window from outside,
    // not as it moves inside: the pointer leaves the window before each click.
    const auto pointAt = [&](QPoint at) {
        x.run(QStringLiteral("xdotool"),
              {QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")});
        const qsizetype before = game.log().size();
        x.run(QStringLiteral("xdotool"),
              {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())});
        game.waitFor(
            [&](const QByteArray& log) { return log.mid(before).contains("wl_pointer@"); });
    };
    const auto clickAt = [&](QPoint at) {
        pointAt(at);
        x.click(at.x(), at.y());
    };
    const auto surfaceOf = [&](const QString& title) {
        return FindSurface(x, game, screen, Titled(game.log(), title).value_or(Toplevel{}).surface);
    };
    const auto splash = surfaceOf(QStringLiteral("Welcome"));
    ASSERT_TRUE(splash) << "the pointer never entered the splash";
    const QPoint enterHere = *splash + kClientInSurface + QPoint(204, 380);
    clickAt(enterHere);
    ASSERT_TRUE(game.waitFor([](const QByteArray& log) {
        return WindowShown(log, QStringLiteral("Veltrane Solitaire"), QSize(621, 480));
    })) << game.log().right(4000).toStdString();

    const auto board = surfaceOf(QStringLiteral("Veltrane Solitaire"));
    ASSERT_TRUE(board) << "the pointer never entered the board";
    const QPoint onBoard = *board + kClientInSurface + QPoint(300, 19 + 440);
    clickAt(onBoard);
    x.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("alt+h")});
    x.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("r")});
    ASSERT_TRUE(game.waitFor([](const QByteArray& log) {
        return WindowShown(log, QStringLiteral("Veltrane - Help"), QSize(441, 304));
    })) << game.log().right(4000).toStdString();
    const Toplevel help =
        Titled(game.log(), QStringLiteral("Veltrane - Help")).value_or(Toplevel{});
    const QString boardToplevel =
        Titled(game.log(), QStringLiteral("Veltrane Solitaire")).value_or(Toplevel{}).id;
    EXPECT_TRUE(game.log().contains(QStringLiteral("xdg_toplevel@%1.set_parent(xdg_toplevel@%2)")
                                        .arg(help.id, boardToplevel)
                                        .toUtf8()));

    // Help's own minimise button: mutter hands the focus to the board, which takes no input while
    // Help is open, and the board goes to the window list with Help. Mutter's output and its X
    // window differ a little in scale: the pointer is put right by where it entered Help.
    const QPoint minimise(441 + 6 - 63, 15);
    const QRegularExpression entered(
        QStringLiteral(R"re(wl_pointer@\d+\.enter\(\d+, wl_surface@%1, ([\d.]+), ([\d.]+)\))re")
            .arg(help.surface));
    QPoint at = surfaceOf(QStringLiteral("Veltrane - Help")).value_or(QPoint()) + minimise;
    for (int attempt = 0; attempt < 4; ++attempt) {
        const qsizetype before = game.log().size();
        pointAt(at);
        QRegularExpressionMatch in;
        game.waitFor([&](const QByteArray& log) {
            return (in = entered.match(QString::fromUtf8(log.mid(before)))).hasMatch();
        });
        at += minimise - QPoint(static_cast<int>(in.captured(1).toDouble()),
                                static_cast<int>(in.captured(2).toDouble()));
    }
    x.click(at.x(), at.y());
    const QByteArray helpMinimised =
        QStringLiteral("xdg_toplevel@%1.set_minimized()").arg(help.id).toUtf8();
    ASSERT_TRUE(game.waitFor([&](const QByteArray& log) { return log.contains(helpMinimised); }))
        << "Help's minimise button was missed";
    EXPECT_TRUE(game.waitFor([&](const QByteArray& log) {
        return log.indexOf(
                   QStringLiteral("xdg_toplevel@%1.set_minimized()").arg(boardToplevel).toUtf8(),
                   log.indexOf(helpMinimised)) >= 0;
    })) << "the board stayed on the screen";
    EXPECT_FALSE(ProtocolError(game.log())) << game.log().right(2000).toStdString();
    EXPECT_EQ(game.process().state(), QProcess::Running);
}

} // namespace
