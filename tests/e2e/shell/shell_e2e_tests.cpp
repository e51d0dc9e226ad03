// The real program on a virtual X server with a window manager: the splash comes first at its
// size, a real click on ENTER HERE opens the board, a click beside it does nothing and the
// close command ends the program, and a large-fonts display gets the message box and nothing
// else.

#include "expected_layout.h"
#include "game_on_x.h"

#include <gtest/gtest.h>

using namespace veltrane::e2e;
namespace expected = veltrane::expected;

namespace {

// Sets an environment variable for the programs started while it lives.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name) { qputenv(name, value); }
    ~ScopedEnv() { qunsetenv(name_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
};

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
    const ScopedEnv largeFonts("QT_FONT_DPI", "120");
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
