// The game in an X session with a session manager: it registers, saves the command that
// restarts it and the game in progress when the session is saved, ends when the session ends,
// and that command brings it back (splash, then the board as it was left) under the same client
// id, until the discard command forgets the game. The session manager is a small one of the
// test's own on the X session management library, which runs the protocol as any manager does;
// the game's side is Qt's own.

#include "expected_layout.h"
#include "game_on_x.h"
#include "picture_compare.h"
#include "qt_test_support.h"

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <mutex>
#include <optional>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <vector>

// Last: the X headers define Bool, a name GoogleTest uses.
#include <X11/ICE/ICElib.h>
#include <X11/SM/SMlib.h>

using namespace veltrane::e2e;

namespace {

// Listens for clients on a local socket and answers them on a thread of its own: registers
// them (taking back the id of a restarted client), keeps the properties they set, and saves
// or ends them when the test asks.
class SessionManager {
  public:
    struct Client {
        std::string id;
        std::string previousId; // what a restarted client asked to be
        bool saved = false;
        bool closed = false;
        std::map<std::string, std::vector<std::string>> properties;
    };

    SessionManager() {
        IceSetIOErrorHandler([](IceConn) {}); // a client that goes away is no error here
        char error[256] = "";
        if (!SmsInitialize("veltrane-test", "1", NewClient, this, LocalHost, sizeof error, error)) {
            throw std::runtime_error(std::string("SmsInitialize: ") + error);
        }
        int count = 0;
        if (!IceListenForConnections(&count, &listeners_, sizeof error, error) || count == 0) {
            throw std::runtime_error(std::string("IceListenForConnections: ") + error);
        }
        listenerCount_ = count;
        for (int i = 0; i < count; ++i) {
            IceSetHostBasedAuthProc(listeners_[i], LocalHost);
            char* id = IceGetListenConnectionString(listeners_[i]);
            if (address_.empty() && std::string(id).rfind("local/", 0) == 0) {
                address_ = id;
            }
            free(id);
        }
        if (address_.empty()) {
            throw std::runtime_error("the session manager has no local socket");
        }
        if (pipe(wake_) != 0) {
            throw std::runtime_error("pipe");
        }
        loop_ = std::thread([this] { run(); });
    }

    ~SessionManager() {
        post([this] { stopping_ = true; });
        loop_.join();
        for (IceConn connection : connections_) {
            IceSetShutdownNegotiation(connection, False);
            IceCloseConnection(connection);
        }
        IceFreeListenObjs(listenerCount_, listeners_);
        close(wake_[0]);
        close(wake_[1]);
    }

    // The value of SESSION_MANAGER for the clients.
    const std::string& address() const { return address_; }

    // The n-th client (from 0) once it has registered, waiting up to timeoutMs.
    std::optional<Client> waitForClient(std::size_t n, int timeoutMs = 15000) {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [&] { return clients_.size() > n; })) {
            return std::nullopt;
        }
        return clients_[n].client;
    }

    // Asks the n-th client to save its state, as a checkpoint of the session does (or a logout,
    // with shutdown), and returns it once it has answered, waiting up to timeoutMs.
    std::optional<Client> save(std::size_t n, bool shutdown = false, int timeoutMs = 15000) {
        post([this, n, shutdown] {
            SmsSaveYourself(clients_[n].connection, SmSaveLocal, shutdown ? True : False,
                            SmInteractStyleNone, False);
        });
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                               [&] { return clients_[n].client.saved; })) {
            return std::nullopt;
        }
        return clients_[n].client;
    }

    // Tells the n-th client that the session ends.
    void die(std::size_t n) {
        post([this, n] { SmsDie(clients_[n].connection); });
    }

  private:
    struct Entry {
        SmsConn connection;
        Client client;
    };

    // Clients of this machine only: they come through the local socket, whose host name
    // begins with "local/"; the TCP port the library also opens lets no one in.
    static Bool LocalHost(char* host) {
        return host != nullptr && std::string_view(host).rfind("local/", 0) == 0 ? True : False;
    }

    // Runs on the loop thread, inside IceProcessMessages, as do all the callbacks below.
    static Status NewClient(SmsConn connection, SmPointer data, unsigned long* mask,
                            SmsCallbacks* callbacks, char**) {
        (void)connection;
        *mask = SmsRegisterClientProcMask | SmsInteractRequestProcMask | SmsInteractDoneProcMask |
                SmsSaveYourselfRequestProcMask | SmsSaveYourselfP2RequestProcMask |
                SmsSaveYourselfDoneProcMask | SmsCloseConnectionProcMask |
                SmsSetPropertiesProcMask | SmsDeletePropertiesProcMask | SmsGetPropertiesProcMask;
        *callbacks = {};
        callbacks->register_client = {Register, data};
        callbacks->interact_request = {[](SmsConn c, SmPointer, int) { SmsInteract(c); }, data};
        callbacks->interact_done = {[](SmsConn, SmPointer, Bool) {}, data};
        callbacks->save_yourself_request = {[](SmsConn, SmPointer, int, Bool, int, Bool, Bool) {},
                                            data};
        callbacks->save_yourself_phase2_request = {
            [](SmsConn c, SmPointer) { SmsSaveYourselfPhase2(c); }, data};
        callbacks->save_yourself_done = {SaveDone, data};
        callbacks->close_connection = {Closed, data};
        callbacks->set_properties = {SetProperties, data};
        callbacks->delete_properties = {[](SmsConn, SmPointer, int, char** names) { free(names); },
                                        data};
        callbacks->get_properties = {
            [](SmsConn c, SmPointer) { SmsReturnProperties(c, 0, nullptr); }, data};
        return 1;
    }

    Entry* entryOf(SmsConn connection) {
        for (Entry& entry : clients_) {
            if (entry.connection == connection) {
                return &entry;
            }
        }
        return nullptr;
    }

    static Status Register(SmsConn connection, SmPointer data, char* previousId) {
        auto* self = static_cast<SessionManager*>(data);
        Client client;
        if (previousId != nullptr) {
            client.id = client.previousId = previousId;
            free(previousId);
        } else {
            char* generated = SmsGenerateClientID(connection);
            client.id =
                generated != nullptr ? generated : "1veltrane-test-" + std::to_string(getpid());
            free(generated);
        }
        SmsRegisterClientReply(connection, client.id.data());
        const std::lock_guard lock(self->mutex_);
        self->clients_.push_back({connection, client});
        self->changed_.notify_all();
        return 1;
    }

    static void SaveDone(SmsConn connection, SmPointer data, Bool) {
        auto* self = static_cast<SessionManager*>(data);
        SmsSaveComplete(connection);
        const std::lock_guard lock(self->mutex_);
        if (Entry* entry = self->entryOf(connection)) {
            entry->client.saved = true;
        }
        self->changed_.notify_all();
    }

    static void SetProperties(SmsConn connection, SmPointer data, int count, SmProp** props) {
        auto* self = static_cast<SessionManager*>(data);
        const std::lock_guard lock(self->mutex_);
        Entry* entry = self->entryOf(connection);
        for (int i = 0; i < count; ++i) {
            if (entry != nullptr) {
                std::vector<std::string>& values = entry->client.properties[props[i]->name];
                values.clear();
                for (int v = 0; v < props[i]->num_vals; ++v) {
                    values.emplace_back(static_cast<const char*>(props[i]->vals[v].value),
                                        static_cast<std::size_t>(props[i]->vals[v].length));
                }
            }
            SmFreeProperty(props[i]);
        }
        free(props);
    }

    static void Closed(SmsConn connection, SmPointer data, int count, char** reasons) {
        auto* self = static_cast<SessionManager*>(data);
        SmFreeReasons(count, reasons);
        const std::lock_guard lock(self->mutex_);
        if (Entry* entry = self->entryOf(connection)) {
            entry->client.closed = true;
        }
        self->changed_.notify_all();
    }

    // Runs the work on the loop thread, where libSM is used.
    void post(std::function<void()> work) {
        {
            const std::lock_guard lock(mutex_);
            work_.push_back(std::move(work));
        }
        const char byte = 0;
        [[maybe_unused]] const ssize_t written = write(wake_[1], &byte, 1);
    }

    void run() {
        while (!stopping_) {
            std::vector<pollfd> fds;
            fds.push_back({wake_[0], POLLIN, 0});
            for (int i = 0; i < listenerCount_; ++i) {
                fds.push_back({IceGetListenConnectionNumber(listeners_[i]), POLLIN, 0});
            }
            for (IceConn connection : connections_) {
                fds.push_back({IceConnectionNumber(connection), POLLIN, 0});
            }
            if (poll(fds.data(), fds.size(), -1) < 0) {
                continue;
            }
            if (fds[0].revents != 0) {
                char bytes[64];
                [[maybe_unused]] const ssize_t read = ::read(wake_[0], bytes, sizeof bytes);
                std::vector<std::function<void()>> work;
                {
                    const std::lock_guard lock(mutex_);
                    work.swap(work_);
                }
                for (const auto& step : work) {
                    step();
                }
            }
            for (int i = 0; i < listenerCount_; ++i) {
                if (fds[1 + i].revents != 0) {
                    IceAcceptStatus status;
                    if (IceConn connection = IceAcceptConnection(listeners_[i], &status)) {
                        connections_.push_back(connection);
                    }
                }
            }
            const std::size_t first = 1 + static_cast<std::size_t>(listenerCount_);
            std::vector<IceConn> gone;
            for (std::size_t i = first; i < fds.size(); ++i) {
                if (fds[i].revents == 0) {
                    continue;
                }
                IceConn connection = connections_[i - first];
                if (IceProcessMessages(connection, nullptr, nullptr) == IceProcessMessagesIOError) {
                    gone.push_back(connection);
                }
            }
            for (IceConn connection : gone) {
                std::erase(connections_, connection);
                IceSetShutdownNegotiation(connection, False);
                IceCloseConnection(connection);
            }
        }
    }

    IceListenObj* listeners_ = nullptr;
    int listenerCount_ = 0;
    std::string address_;
    int wake_[2] = {-1, -1};
    std::thread loop_;
    bool stopping_ = false;            // loop thread only
    std::vector<IceConn> connections_; // loop thread only
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Entry> clients_;              // under the mutex
    std::vector<std::function<void()>> work_; // under the mutex
};

// The 22 places as the screen shows them: foundations, slots, stock, waste.
std::vector<QImage> Places(XSession& x, WindowId board, const QImage& screen) {
    namespace expected = veltrane::expected;
    const QRect client = x.clientGeometry(board);
    const QPoint origin(client.x(), client.bottom() + 1 - expected::kBoard.clientHeight);
    std::vector<expected::Spot> spots(expected::kFoundations.begin(), expected::kFoundations.end());
    spots.insert(spots.end(), expected::kSlots.begin(), expected::kSlots.end());
    spots.insert(spots.end(), {expected::kStock, expected::kWaste});
    std::vector<QImage> places;
    places.reserve(spots.size());
    for (const expected::Spot& spot : spots) {
        places.push_back(screen.copy(origin.x() + spot.left, origin.y() + spot.top,
                                     expected::kCardWidth, expected::kCardHeight));
    }
    return places;
}

void ClickPlace(XSession& x, WindowId board, veltrane::expected::Spot spot) {
    const QRect client = x.clientGeometry(board);
    x.click(client.x() + spot.left + veltrane::expected::kCardWidth / 2,
            client.bottom() + 1 - veltrane::expected::kBoard.clientHeight + spot.top +
                veltrane::expected::kCardHeight / 2);
}

// A card's face as the white board shows it.
QImage Face(int card) {
    return veltrane::test_support::OnWhite(QImage(
        QStringLiteral(VELTRANE_PICTURES_DIR "/card_%1.png").arg(card, 2, 10, QLatin1Char('0'))));
}

QStringList ArgumentsOf(const std::vector<std::string>& command) {
    QStringList arguments;
    for (auto word = command.begin() + 1; word != command.end(); ++word) {
        arguments << QString::fromStdString(*word);
    }
    return arguments;
}

TEST(Session, TheSavedRestartCommandBringsTheGameBackUntilItIsDiscarded) {
    namespace expected = veltrane::expected;
    using veltrane::test::LookTheSame;
    using veltrane::test::PicturesMatch;
    SessionManager manager;
    XSession x;
    QTemporaryDir state;
    const veltrane::test_support::ScopedEnv session("SESSION_MANAGER", manager.address().c_str());
    const veltrane::test_support::ScopedEnv stateHome("XDG_STATE_HOME", state.path().toUtf8());
    // The deck that is never shuffled, so that the moves below are known to be allowed.
    QProcess& game = x.launch(QStringLiteral(VELTRANE_FIXED_DEAL_GAME));
    const auto registered = manager.waitForClient(0);
    ASSERT_TRUE(registered) << "the game did not register with the session manager";
    const auto board = ShowBoard(x, game);
    ASSERT_TRUE(board);

    // The two of spades home from slot 14, seven cards turned, the three of spades home from the
    // waste, the two of diamonds home from slot 15; the last move shows when it has been made.
    x.keys(*board, {QStringLiteral("alt+f"), QStringLiteral("d")});
    ClickPlace(x, *board, expected::slot(14));
    ClickPlace(x, *board, expected::foundation(1));
    for (int turn = 0; turn < 7; ++turn) {
        // A click on the bare board between two on the stock, so that no two make a double click.
        ClickPlace(x, *board, expected::kStock);
        ClickPlace(x, *board, {264, 360});
    }
    ClickPlace(x, *board, expected::kWaste);
    ClickPlace(x, *board, expected::foundation(1));
    ClickPlace(x, *board, expected::slot(15));
    ClickPlace(x, *board, expected::foundation(2));
    const QImage twoOfDiamonds = Face(15);
    const std::vector<QImage> left =
        Places(x, *board, ScreenWhen(x, [&](const QImage& screen) {
                   return LookTheSame(Places(x, *board, screen).at(1), twoOfDiamonds);
               }));
    ASSERT_TRUE(PicturesMatch(left.at(1), twoOfDiamonds)) << "the moves were not made";

    // The logout: the game says how to restart it and how to discard what it saved, its one
    // file in its own state folder.
    const auto saved = manager.save(0, true);
    ASSERT_TRUE(saved) << "the game did not answer the save";
    const auto restart = saved->properties.find(SmRestartCommand);
    ASSERT_NE(restart, saved->properties.end()) << "no restart command saved";
    const std::vector<std::string>& command = restart->second;
    ASSERT_GE(command.size(), 3u);
    const auto option = std::find(command.begin(), command.end(), "-session");
    ASSERT_NE(option, command.end()) << "the restart command names no session";
    const QDir folder(state.filePath(QStringLiteral("veltrane")));
    const QStringList files = folder.entryList(QDir::Files | QDir::Hidden);
    ASSERT_EQ(files.size(), 1) << files.join(QLatin1Char(' ')).toStdString();
    const auto discard = saved->properties.find(SmDiscardCommand);
    ASSERT_NE(discard, saved->properties.end()) << "no discard command saved";
    EXPECT_EQ(
        discard->second,
        (std::vector<std::string>{"rm", "-f", "--", folder.filePath(files.front()).toStdString()}));

    // The session ends, and the game with it.
    manager.die(0);
    ASSERT_TRUE(game.waitForFinished(15000)) << "the game did not end with the session";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0) << game.readAllStandardError().toStdString();

    // The next login runs the saved command: the game comes back as it always starts, takes up
    // its place in the session, and shows the board as it was left.
    const QString program = QString::fromStdString(command.front());
    QProcess& again = x.launch(program, ArgumentsOf(command));
    const auto splash = x.waitForWindowOf(again);
    ASSERT_TRUE(splash) << again.readAllStandardError().toStdString();
    EXPECT_EQ(x.windowTitle(*splash), QStringLiteral("Welcome"));
    const auto back = ShowBoard(x, again);
    ASSERT_TRUE(back);
    const auto client = manager.waitForClient(1);
    ASSERT_TRUE(client) << "the restarted game did not register";
    EXPECT_EQ(client->previousId, registered->id);
    const std::vector<QImage> restored =
        Places(x, *back, ScreenWhen(x, [&](const QImage& screen) {
                   const std::vector<QImage> places = Places(x, *back, screen);
                   return std::equal(left.begin(), left.end(), places.begin(), LookTheSame);
               }));
    for (std::size_t place = 0; place < left.size(); ++place) {
        EXPECT_TRUE(PicturesMatch(restored.at(place), left.at(place))) << "place " << place;
    }
    EXPECT_EQ(again.readAllStandardError(), QByteArray());

    // The discard command forgets the game: the same restart is a new game, nothing dealt.
    QProcess rm;
    rm.start(QString::fromStdString(discard->second.front()), ArgumentsOf(discard->second));
    ASSERT_TRUE(rm.waitForFinished(10000));
    EXPECT_TRUE(folder.isEmpty());
    again.kill();
    ASSERT_TRUE(x.waitForWindowGone(kBoardTitle));
    QProcess& fresh = x.launch(program, ArgumentsOf(command));
    const auto newBoard = ShowBoard(x, fresh);
    ASSERT_TRUE(newBoard);
    const QImage aceOfSpades = Face(1);
    EXPECT_TRUE(PicturesMatch(
        Places(x, *newBoard,
               ScreenWhen(x,
                          [&](const QImage& screen) {
                              return LookTheSame(Places(x, *newBoard, screen).at(0), aceOfSpades);
                          }))
            .at(0),
        aceOfSpades))
        << "the first foundation does not show its ace alone";
}

} // namespace
