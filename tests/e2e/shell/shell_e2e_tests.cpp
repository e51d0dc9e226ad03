// The real program on a virtual X server with a window manager: the splash comes first at its
// size, a real click on ENTER HERE opens the board, every window is centred on the primary
// monitor, a click beside the strip does nothing and the close command ends the program, and a
// large-fonts display gets the message box and nothing else.

#include "expected_layout.h"
#include "game_on_x.h"
#include "qt_test_support.h"

#include <gtest/gtest.h>

using namespace veltrane::e2e;
namespace expected = veltrane::expected;

namespace {

TEST(Start, TheSplashComesFirstAndItsStripOpensTheBoard) {
    XSession x;
    QProcess& game = x.launch(QStringLiteral(VELTRANE_EXECUTABLE));
    const auto first = x.waitForWindowOf(game);
    ASSERT_TRUE(first);
    EXPECT_EQ(x.windowTitle(*first), QStringLiteral("Welcome"));
    // The board was loaded before the splash was shown, and it is not shown with it.
    EXPECT_FALSE(x.waitForWindow(kBoardTitle, 0)) << "the board waits behind the splash";

    const QRect client = x.clientGeometry(*first);
    EXPECT_EQ(client.size(), QSize(expected::kSplash.clientWidth, expected::kSplash.clientHeight));
    // The navy ENTER HERE band on the picture; white beyond the picture's 400 pixels.
    const auto bandAt = [&](const QImage& screen) {
        return screen.pixelColor(client.topLeft() + QPoint(20, 380)).lightness() < 100;
    };
    const QImage screen = ScreenWhen(x, bandAt);
    EXPECT_TRUE(bandAt(screen));
    EXPECT_EQ(screen.pixelColor(client.topLeft() + QPoint(400, 100)), QColor(Qt::white));

    ClickIn(x, *first, kEnterHere);
    const auto board = x.waitForWindow(kBoardTitle);
    ASSERT_TRUE(board);
    EXPECT_TRUE(x.waitForWindowGone(kSplashTitle));
    EXPECT_EQ(game.state(), QProcess::Running);
}

TEST(Start, WithQtsOwnOptionsTheGameStartsAsUsual) {
    // The restart command a session manager saves, with a style and the right-to-left layout
    // of Qt's options beside it: the splash, then the board, as with no option at all.
    XSession x;
    QProcess& game = x.launch(
        QStringLiteral(VELTRANE_EXECUTABLE),
        {QStringLiteral("-session"), QStringLiteral("10ab34cd0000171750133300000012340000_3"),
         QStringLiteral("-style"), QStringLiteral("Fusion"), QStringLiteral("-reverse")});
    const auto splash = x.waitForWindowOf(game);
    ASSERT_TRUE(splash) << game.readAllStandardError().toStdString();
    EXPECT_EQ(x.windowTitle(*splash), QStringLiteral("Welcome"));
    EXPECT_EQ(x.clientGeometry(*splash).size(),
              QSize(expected::kSplash.clientWidth, expected::kSplash.clientHeight));
    const auto board = ShowBoard(x, game);
    ASSERT_TRUE(board);
    EXPECT_EQ(x.clientGeometry(*board).width(), expected::kBoard.clientWidth);
    EXPECT_EQ(game.state(), QProcess::Running);
}

TEST(Start, OnTwoMonitorsEveryWindowIsCentredOnThePrimaryOne) {
    // Two 1280 x 1024 monitors side by side; the primary one (*) is on the right.
    XSession x(QSize(2560, 1024));
    x.run(QStringLiteral("xrandr"),
          {QStringLiteral("--setmonitor"), QStringLiteral("A"),
           QStringLiteral("1280/338x1024/270+0+0"), QStringLiteral("screen")});
    x.run(QStringLiteral("xrandr"),
          {QStringLiteral("--setmonitor"), QStringLiteral("*B"),
           QStringLiteral("1280/338x1024/270+1280+0"), QStringLiteral("none")});
    const QRect primary(1280, 0, 1280, 1024);
    // The rule centres the outer window on the primary monitor, counted from its corner; the
    // window manager puts its own frame's corner there.
    const auto expectPlaced = [&](WindowId window, QPoint corner, const char* name) {
        const QRect client = x.clientGeometry(window);
        EXPECT_TRUE(primary.contains(client)) << name;
        const QList<QByteArray> extents =
            x.run(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window),
                                            QStringLiteral("_NET_FRAME_EXTENTS")})
                .split('=')
                .last()
                .split(',');
        ASSERT_EQ(extents.size(), 4) << name;
        const QPoint frame(client.x() - extents[0].trimmed().toInt(),
                           client.y() - extents[2].trimmed().toInt());
        EXPECT_EQ(frame, corner) << name << " at " << frame.x() << "," << frame.y();
    };

    QProcess& game = x.launch(QStringLiteral(VELTRANE_EXECUTABLE));
    const auto splash = x.waitForWindow(kSplashTitle);
    ASSERT_TRUE(splash);
    // Outer 407 x 426: 436.5 and 299 pixels into the monitor, the half to the even pixel.
    expectPlaced(*splash, primary.topLeft() + QPoint(436, 299), "splash");
    const QRect splashClient = x.clientGeometry(*splash);

    x.click(splashClient.x() + 204, splashClient.y() + 380);
    const auto board = x.waitForWindow(kBoardTitle);
    ASSERT_TRUE(board);
    // Outer 627 x 505: 326.5 and 259.5.
    expectPlaced(*board, primary.topLeft() + QPoint(326, 260), "board");

    x.keys(*board, {QStringLiteral("alt+h"), QStringLiteral("r")});
    const auto help = x.waitForWindow(QStringLiteral("^Veltrane - Help$"));
    ASSERT_TRUE(help);
    // Outer 447 x 325: 416.5 and 349.5.
    expectPlaced(*help, primary.topLeft() + QPoint(416, 350), "help");
    EXPECT_EQ(game.state(), QProcess::Running);
}

TEST(Start, AClickBesideTheStripDoesNothingAndTheWindowManagersCloseEndsTheProgram) {
    XSession x;
    QProcess& game = x.launch(QStringLiteral(VELTRANE_EXECUTABLE));
    const auto splash = x.waitForWindow(kSplashTitle);
    ASSERT_TRUE(splash);
    // Just above the strip. Had the click shown the board, the close of the splash below would
    // find no splash, or leave the program running with its board.
    ClickIn(x, *splash, kEnterHere - QPoint(0, 20));
    // The window manager's own close, as its title-bar button or Alt+F4 gives it, once the
    // splash has the focus that the key goes to.
    ASSERT_TRUE(x.waitForFocus(*splash));
    x.keys(*splash, {QStringLiteral("alt+F4")});
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
}

TEST(Start, ALargeFontsDisplayGetsTheMessageAndTheProgramEndsAfterOk) {
    XSession x;
    const veltrane::test_support::ScopedEnv largeFonts("QT_FONT_DPI", "120");
    QProcess& game = x.launch(QStringLiteral(VELTRANE_EXECUTABLE));
    const auto box = x.waitForWindowOf(game);
    ASSERT_TRUE(box);
    EXPECT_EQ(x.windowTitle(*box), QStringLiteral("Veltrane"));
    // The message comes while the splash loads, so neither window has been shown, nor can be
    // until it is answered.
    EXPECT_FALSE(x.waitForWindow(kSplashTitle, 0));
    EXPECT_FALSE(x.waitForWindow(kBoardTitle, 0));
    x.keys(*box, {QStringLiteral("Return")});
    ASSERT_TRUE(game.waitForFinished(10000));
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
}

} // namespace
