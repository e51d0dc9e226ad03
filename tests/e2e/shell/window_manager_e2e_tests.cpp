// The game's windows under real X window managers. A modal window (Help, the win dialog) belongs
// to the board it blocks, and whatever the manager does with either window (raise the board,
// minimise either, move either to another workspace) the modal window comes back with the
// board, above it. Every window's hints offer no resize and no maximise, and a resize or
// maximise forced by the manager leaves the game playable to its win.

#include "expected_layout.h"
#include "game_on_x.h"
#include "winning_deal.h"
#include "x_session.h"

#include <QProcess>
#include <QStringList>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using veltrane::e2e::WindowId;
using veltrane::e2e::WindowManager;
using veltrane::e2e::XSession;
namespace e2e = veltrane::e2e;
namespace expected = veltrane::expected;

constexpr int kReachMs = 10000;

// Motif: the functions and decorations fields must be given (flags 1 and 2), and hold neither
// "all" (which means all but those named), nor resize (function 2, handle 4) nor maximise
// (function 16, decoration 64). WM_NORMAL_HINTS: a minimum size equal to the maximum.
void ExpectFixedSize(XSession& x, WindowId window, const char* name) {
    SCOPED_TRACE(name);
    const std::vector<unsigned long> motif = x.numbers(QStringLiteral("_MOTIF_WM_HINTS"), window);
    ASSERT_GE(motif.size(), 3U) << "no Motif hints";
    EXPECT_EQ(motif[0] & 3U, 3U) << "functions and decorations not both given";
    EXPECT_EQ(motif[1] & (1U | 2U | 16U), 0U) << "functions offer resize or maximise: " << motif[1];
    EXPECT_EQ(motif[2] & (1U | 4U | 64U), 0U)
        << "decorations offer resize or maximise: " << motif[2];
    const auto [minimum, maximum] = x.sizeHints(window);
    EXPECT_FALSE(minimum.isEmpty());
    EXPECT_EQ(minimum, maximum);
}

std::vector<WindowId> WindowsTitled(XSession& x, const QString& title) {
    std::vector<WindowId> found;
    const QList<QByteArray> lines =
        x.run(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                          QStringLiteral("--name"), title})
            .split('\n');
    for (const QByteArray& line : lines) {
        bool ok = false;
        const WindowId id = line.trimmed().toULong(&ok);
        if (ok) {
            found.push_back(id);
        }
    }
    return found;
}

void Xdotool(XSession& x, const QStringList& arguments) {
    x.run(QStringLiteral("xdotool"), arguments);
}

unsigned long DesktopOf(XSession& x, WindowId window) {
    const auto desktop = x.numbers(QStringLiteral("_NET_WM_DESKTOP"), window);
    return desktop.empty() ? 0UL : desktop.front();
}

// On the screen: mapped and not minimised (a compositing manager such as mutter keeps a
// minimised window mapped).
bool Shown(XSession& x, WindowId window) {
    return x.viewable(window) &&
           !x.run(QStringLiteral("xprop"),
                  {QStringLiteral("-id"), QString::number(window), QStringLiteral("WM_STATE")})
                .contains("Iconic");
}

// The modal window is where the player finds it: on the screen, and above the board it blocks.
bool ModalAboveBoard(XSession& x, WindowId board, WindowId modal) {
    if (!Shown(x, modal)) {
        return false;
    }
    const std::vector<WindowId> order = x.stacking();
    const auto boardAt = std::find(order.begin(), order.end(), board);
    const auto modalAt = std::find(order.begin(), order.end(), modal);
    return modalAt != order.end() && (boardAt == order.end() || modalAt > boardAt);
}

// The height of the board's menu bar, which the style decides: measured while the board has
// its own size, before a window manager forces another.
int menuBarHeight = 0;

// A point of the board's client area below its menu bar. A window made larger than its own
// size shows the board in its middle.
QPoint OnBoard(XSession& x, WindowId board, QPoint at) {
    const QRect client = x.clientGeometry(board);
    const QPoint margin((client.width() - expected::kBoard.clientWidth) / 2,
                        (client.height() - expected::kBoard.clientHeight - menuBarHeight) / 2);
    return client.topLeft() + margin + QPoint(0, menuBarHeight) + at;
}

void ClickBoard(XSession& x, WindowId board, QPoint at) {
    const QPoint screen = OnBoard(x, board, at);
    x.click(screen.x(), screen.y());
}

// A spot of the board that no place covers: below the stock, between the lower groups.
constexpr QPoint kBareBoard{300, 440};

// Keys typed into the board, which a click has given the focus, as a player does: asking the
// window manager to activate a window is not granted by all managers.
void TypeIntoBoard(XSession& x, WindowId board, const QStringList& keys) {
    ClickBoard(x, board, kBareBoard);
    ASSERT_TRUE(x.waitForFocus(board));
    for (const QString& key : keys) {
        Xdotool(x, {QStringLiteral("key"), key});
    }
}

// The OK buttons' middles in the clients of Help and of the win dialog.
constexpr QPoint kHelpOk{300 + 63, 270 + 11};
constexpr QPoint kWinOk{161 + 51, 87 + 11};

// What a player can do to a modal window and the board it blocks; after each, the modal window
// must be back above the board, in reach.
void ExpectModalStaysInReach(XSession& x, WindowId board, WindowId modal) {
    {
        SCOPED_TRACE("a click on the blocked board");
        ClickBoard(x, board, kBareBoard);
        EXPECT_TRUE(x.waitFor([&] { return ModalAboveBoard(x, board, modal); }, kReachMs));
    }
    {
        SCOPED_TRACE("the board minimised from the task list, then brought back from it");
        Xdotool(x, {QStringLiteral("windowminimize"), QString::number(board)});
        // The manager minimises the modal window with the board it belongs to, and once the
        // game has handled that news, the two are still both minimised.
        EXPECT_TRUE(x.waitFor([&] { return !Shown(x, board) && !Shown(x, modal); }, kReachMs));
        EXPECT_TRUE(x.waitForAnswer(board));
        EXPECT_FALSE(Shown(x, board) || Shown(x, modal)) << "the game undid the minimise";
        Xdotool(x, {QStringLiteral("windowactivate"), QString::number(board)});
        EXPECT_TRUE(x.waitFor([&] { return ModalAboveBoard(x, board, modal); }, kReachMs));
    }
    {
        SCOPED_TRACE("the modal window minimised, then the board clicked or brought back");
        Xdotool(x, {QStringLiteral("windowminimize"), QString::number(modal)});
        x.waitFor([&] { return !Shown(x, modal); }, kReachMs);
        if (Shown(x, board)) {
            ClickBoard(x, board, kBareBoard);
        } else {
            Xdotool(x, {QStringLiteral("windowactivate"), QString::number(board)});
        }
        EXPECT_TRUE(x.waitFor([&] { return ModalAboveBoard(x, board, modal); }, kReachMs));
    }
    for (const WindowId moved : {modal, board}) {
        SCOPED_TRACE(moved == modal ? "the modal window moved to workspace 2"
                                    : "the board moved to workspace 2");
        Xdotool(x, {QStringLiteral("set_desktop_for_window"), QString::number(moved),
                    QStringLiteral("1")});
        x.waitFor([&] { return DesktopOf(x, moved) == 1; }, kReachMs);
        // The player goes where the board is, and clicks it.
        Xdotool(x, {QStringLiteral("set_desktop"), QString::number(DesktopOf(x, board))});
        x.waitFor([&] { return Shown(x, board); }, kReachMs);
        ClickBoard(x, board, kBareBoard);
        EXPECT_TRUE(x.waitFor([&] { return DesktopOf(x, modal) == DesktopOf(x, board); }, kReachMs))
            << "board on " << DesktopOf(x, board) << ", modal window on " << DesktopOf(x, modal);
        EXPECT_TRUE(x.waitFor([&] { return ModalAboveBoard(x, board, modal); }, kReachMs));
    }
}

class OnWindowManager : public ::testing::TestWithParam<WindowManager> {};

TEST_P(OnWindowManager, ModalWindowsBelongToTheBoardAndWindowsStayFixedUntilTheWin) {
    XSession x(GetParam());
    const QProcess& game = x.launch(QStringLiteral(VELTRANE_FIXED_DEAL_GAME));

    const auto splash = x.waitForWindow(e2e::kSplashTitle);
    ASSERT_TRUE(splash) << "no splash";
    ExpectFixedSize(x, *splash, "splash");
    // Minimised against its hints (openbox, metacity and mutter do), the splash, the one window
    // of the game on the screen, is back once the game has handled the news.
    Xdotool(x, {QStringLiteral("windowminimize"), QString::number(*splash)});
    EXPECT_TRUE(x.waitForAnswer(*splash));
    EXPECT_TRUE(x.waitFor([&] { return Shown(x, *splash); }, kReachMs)) << "the splash is gone";
    e2e::ClickIn(x, *splash, e2e::kEnterHere);
    const auto board = x.waitForWindow(e2e::kBoardTitle);
    ASSERT_TRUE(board) << "no board";
    ExpectFixedSize(x, *board, "board");
    menuBarHeight = x.clientGeometry(*board).height() - expected::kBoard.clientHeight;

    TypeIntoBoard(x, *board, {QStringLiteral("alt+h"), QStringLiteral("r")});
    const auto help = x.waitForWindow(e2e::kHelpTitle);
    ASSERT_TRUE(help) << "no Help";
    ExpectFixedSize(x, *help, "Help");
    EXPECT_EQ(x.numbers(QStringLiteral("WM_TRANSIENT_FOR"), *help),
              std::vector<unsigned long>{*board});
    {
        SCOPED_TRACE("Help");
        ExpectModalStaysInReach(x, *board, *help);
    }
    e2e::ClickIn(x, *help, kHelpOk);
    ASSERT_TRUE(x.waitForWindowGone(e2e::kHelpTitle));

    // The desktop forces what the hints do not offer; the game goes on, and is played below.
    x.requestState(*board, true, QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"),
                   QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ"));
    x.requestState(*board, true, QStringLiteral("_NET_WM_STATE_FULLSCREEN"));
    Xdotool(x, {QStringLiteral("windowsize"), QString::number(*board), QStringLiteral("900"),
                QStringLiteral("700")});
    x.requestState(*board, false, QStringLiteral("_NET_WM_STATE_FULLSCREEN"));
    x.requestState(*board, false, QStringLiteral("_NET_WM_STATE_MAXIMIZED_VERT"),
                   QStringLiteral("_NET_WM_STATE_MAXIMIZED_HORZ"));
    ASSERT_EQ(game.state(), QProcess::Running);

    TypeIntoBoard(x, *board, {QStringLiteral("alt+f"), QStringLiteral("d")});
    for (const auto& [kind, index] : veltrane::test_support::WinningClicks()) {
        expected::Spot spot = expected::kStock;
        if (kind == "slot") {
            spot = expected::slot(index);
        } else if (kind == "foundation") {
            spot = expected::foundation(index);
        } else if (kind == "waste") {
            spot = expected::kWaste;
        }
        ClickBoard(
            x, *board,
            QPoint(spot.left + expected::kCardWidth / 2, spot.top + expected::kCardHeight / 2));
    }
    std::optional<WindowId> won;
    EXPECT_TRUE(x.waitFor(
        [&] {
            for (const WindowId window : WindowsTitled(x, e2e::kBoardTitle)) {
                if (window != *board) {
                    won = window;
                }
            }
            return won.has_value();
        },
        20000))
        << "no win dialog";
    ASSERT_TRUE(won);
    ExpectFixedSize(x, *won, "win dialog");
    EXPECT_EQ(x.numbers(QStringLiteral("WM_TRANSIENT_FOR"), *won),
              std::vector<unsigned long>{*board});
    {
        SCOPED_TRACE("win dialog");
        ExpectModalStaysInReach(x, *board, *won);
    }
    e2e::ClickIn(x, *won, kWinOk);
    EXPECT_TRUE(x.waitFor([&] { return WindowsTitled(x, e2e::kBoardTitle).size() == 1; }));
    EXPECT_EQ(game.state(), QProcess::Running);
}

INSTANTIATE_TEST_SUITE_P(Desktops, OnWindowManager,
                         ::testing::Values(WindowManager::Openbox, WindowManager::IceWM,
                                           WindowManager::Metacity, WindowManager::Mutter),
                         [](const auto& info) { return std::string(e2e::NameOf(info.param)); });

} // namespace
