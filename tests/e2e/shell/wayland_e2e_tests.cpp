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
#include <stdexcept>

namespace {

constexpr int kTimeoutMs = 20000;

// A headless weston on a socket of its own, in a runtime folder of its own; stopped with it.
class Weston {
  public:
    Weston() {
        if (!runtime_.isValid()) {
            throw std::runtime_error("no runtime folder for weston");
        }
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        server_.setProcessEnvironment(env);
        server_.setProcessChannelMode(QProcess::MergedChannels);
        server_.setStandardOutputFile(runtime_.filePath(QStringLiteral("weston.log")));
        server_.start(QStringLiteral("weston"),
                      {QStringLiteral("--backend=headless-backend.so"),
                       QStringLiteral("--socket=") + socket(), QStringLiteral("--idle-time=0")});
        if (!server_.waitForStarted(kTimeoutMs)) {
            throw std::runtime_error("weston did not start");
        }
        // Clients may connect once the socket is there.
        if (!veltrane::e2e::WaitOnFolder(
                runtime_.path(), [this] { return QFileInfo::exists(runtime_.filePath(socket())); },
                kTimeoutMs, &server_)) {
            throw std::runtime_error("weston opened no socket");
        }
    }
    ~Weston() { veltrane::e2e::StopProgram(server_); }
    Weston(const Weston&) = delete;
    Weston& operator=(const Weston&) = delete;

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

// True when the log shows a window of the given title and client size with a picture
// attached and placed on the compositor's output.
bool WindowShown(const QByteArray& log, const QString& title, const QSize& client) {
    static const QRegularExpression xdgSurface(
        QStringLiteral(R"re(get_xdg_surface\(new id xdg_surface@(\d+), wl_surface@(\d+)\))re"));
    static const QRegularExpression toplevel(
        QStringLiteral(R"re(xdg_surface@(\d+)\.get_toplevel\(new id xdg_toplevel@(\d+)\))re"));
    static const QRegularExpression titled(
        QStringLiteral(R"re(xdg_toplevel@(\d+)\.set_title\("(.*)"\))re"));
    static const QRegularExpression minimum(
        QStringLiteral(R"re(xdg_toplevel@(\d+)\.set_min_size\((\d+), (\d+)\))re"));
    static const QRegularExpression attached(
        QStringLiteral(R"re(wl_surface@(\d+)\.attach\(wl_buffer@)re"));
    static const QRegularExpression entered(
        QStringLiteral(R"re(wl_surface@(\d+)\.enter\(wl_output@)re"));

    QHash<QString, QString> surfaceOfXdg;
    QHash<QString, QString> surfaceOfToplevel;
    QHash<QString, QSize> sizeOfToplevel;
    QSet<QString> titledSurfaces;
    QSet<QString> attachedSurfaces;
    for (const QByteArray& raw : log.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        QRegularExpressionMatch match;
        if ((match = xdgSurface.match(line)).hasMatch()) {
            surfaceOfXdg.insert(match.captured(1), match.captured(2));
        } else if ((match = toplevel.match(line)).hasMatch()) {
            surfaceOfToplevel.insert(match.captured(2), surfaceOfXdg.value(match.captured(1)));
        } else if ((match = minimum.match(line)).hasMatch()) {
            sizeOfToplevel.insert(match.captured(1),
                                  QSize(match.captured(2).toInt(), match.captured(3).toInt()));
        } else if ((match = titled.match(line)).hasMatch()) {
            if (match.captured(2) == title && sizeOfToplevel.value(match.captured(1)) == client) {
                titledSurfaces.insert(surfaceOfToplevel.value(match.captured(1)));
            }
        } else if ((match = attached.match(line)).hasMatch()) {
            attachedSurfaces.insert(match.captured(1));
        } else if ((match = entered.match(line)).hasMatch()) {
            const QString surface = match.captured(1);
            if (titledSurfaces.contains(surface) && attachedSurfaces.contains(surface)) {
                return true;
            }
        }
    }
    return false;
}

bool SplashShown(const QByteArray& log) {
    return WindowShown(log, QStringLiteral("Welcome"), QSize(401, 405));
}

QProcessEnvironment WaylandOnly(const Weston& weston) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), weston.runtimeFolder());
    env.insert(QStringLiteral("WAYLAND_DISPLAY"), Weston::socket());
    return env;
}

// A Wayland desktop that also runs Xwayland, as the desktops announce it.
QProcessEnvironment XAndWayland(const Weston& weston, const veltrane::e2e::XSession& x) {
    QProcessEnvironment env = WaylandOnly(weston);
    env.insert(QStringLiteral("DISPLAY"), x.display());
    env.insert(QStringLiteral("XDG_SESSION_TYPE"), QStringLiteral("wayland"));
    env.remove(QStringLiteral("XDG_CURRENT_DESKTOP"));
    env.remove(QStringLiteral("XDG_SESSION_DESKTOP"));
    return env;
}

TEST(Wayland, WithNoXServerTheGameRunsNativelyAndShowsItsSplash) {
    const Weston weston;
    Game game(WaylandOnly(weston));
    ASSERT_TRUE(game.process().waitForStarted(kTimeoutMs));
    EXPECT_TRUE(game.waitFor(SplashShown)) << "no splash on weston; the game said:\n"
                                           << game.log().right(4000).toStdString();
    EXPECT_EQ(game.process().state(), QProcess::Running);
    // The board waits behind the splash, loaded but not shown.
    EXPECT_FALSE(game.log().contains("set_title(\"Veltrane Solitaire\")"));
}

TEST(Wayland, WithBothTheGameOpensXUnlessQtIsToldOtherwise) {
    const Weston weston;
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

} // namespace
