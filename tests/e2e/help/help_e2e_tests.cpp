// The Help window of the real program on a virtual X server: opened from the board's menu by
// keyboard at its fixed client size with the picture of its page, and the About page's link
// handed to the user's browser, here a small script that records the address it was given.

#include "expected_layout.h"
#include "game_on_x.h"
#include "picture_compare.h"
#include "qt_test_support.h"
#include "veltrane_config.h"
#include "waits.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using veltrane::e2e::kHelpTitle;
using veltrane::e2e::XSession;
using veltrane::test::LookTheSame;
using veltrane::test_support::OnWhite;
namespace expected = veltrane::expected;

namespace {

QImage picture(const char* name) {
    return OnWhite(
        QImage(QStringLiteral(VELTRANE_PICTURES_DIR "/%1.png").arg(QLatin1String(name))));
}

// What a picture box of the help window shows on the screen: its picture sits inside a
// two-pixel border at the box's top left corner and is cut off where the box ends.
QImage boxOn(const QImage& screen, const QRect& client, const QRect& box) {
    return screen.copy(box.adjusted(2, 2, -2, -2).translated(client.topLeft()));
}

const QRect kTitleBox(308, 25, 104, 148);
const QRect kLogoBox(295, 58, 140, 102);

TEST(HelpOnX, RulesByKeyboardOpensTheHelpWindowAtItsClientSize) {
    XSession x;
    const auto help = veltrane::e2e::OpenHelp(x, x.launch(QStringLiteral(VELTRANE_EXECUTABLE)),
                                              QStringLiteral("r"));
    ASSERT_TRUE(help);
    const QRect client = x.clientGeometry(*help);
    EXPECT_EQ(client.size(), QSize(expected::kHelp.clientWidth, expected::kHelp.clientHeight));

    // The Rules page shows the title picture, cut to its box, and no logo.
    const QImage title = picture("title").copy(0, 0, kTitleBox.width() - 4, kTitleBox.height() - 4);
    const QImage screen = veltrane::e2e::ScreenWhen(
        x, [&](const QImage& s) { return LookTheSame(boxOn(s, client, kTitleBox), title); });
    EXPECT_TRUE(LookTheSame(boxOn(screen, client, kTitleBox), title)) << "no title picture";
    EXPECT_FALSE(LookTheSame(boxOn(screen, client, kLogoBox), picture("logo")));
}

TEST(HelpOnX, AClickOnTheLinkHandsTheAddressToTheBrowser) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString record = folder.filePath(QStringLiteral("opened.txt"));
    const QString browser = folder.filePath(QStringLiteral("browser"));
    {
        QFile script(browser);
        ASSERT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + QFile::encodeName(record) + "'\n");
        script.close();
        ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    }
    // The program inherits the test's environment.
    qputenv("BROWSER", QFile::encodeName(browser));

    XSession x;
    const auto help = veltrane::e2e::OpenHelp(x, x.launch(QStringLiteral(VELTRANE_EXECUTABLE)),
                                              QStringLiteral("a"));
    ASSERT_TRUE(help);
    const QRect client = x.clientGeometry(*help);
    // The About page shows the logo; the link is clicked once it is drawn beneath it.
    const QImage logo = picture("logo");
    const QImage screen = veltrane::e2e::ScreenWhen(
        x, [&](const QImage& s) { return LookTheSame(boxOn(s, client, kLogoBox), logo); });
    ASSERT_TRUE(LookTheSame(boxOn(screen, client, kLogoBox), logo)) << "no logo picture";
    // The middle of the link label, at 315, 162 and 93 x 18 in the window.
    veltrane::e2e::ClickIn(x, *help, QPoint(315 + 46, 162 + 9));

    QByteArray opened;
    veltrane::e2e::WaitOnFolder(
        folder.path(),
        [&] {
            QFile file(record);
            return file.open(QIODevice::ReadOnly) && (opened = file.readAll()).endsWith('\n');
        },
        10000);
    qunsetenv("BROWSER");
    EXPECT_EQ(opened, QByteArray(VELTRANE_WEB_ADDRESS "\n"));
    // The window stays open on the About page.
    EXPECT_TRUE(x.waitForWindow(kHelpTitle, 1000));
}

// The window manager offers a minimise button on the Help window; while the window is modal
// the board takes no input, so a minimised Help window would leave no window that answers.
TEST(HelpOnX, AMinimisedHelpWindowComesBackAndAClickOnTheBoardBringsItForward) {
    XSession x;
    QProcess& game = x.launch(QStringLiteral(VELTRANE_EXECUTABLE));
    const auto board = ShowBoard(x, game);
    ASSERT_TRUE(board);
    x.keys(*board, {QStringLiteral("alt+h"), QStringLiteral("r")});
    const auto help = x.waitForWindow(kHelpTitle);
    ASSERT_TRUE(help);
    const QString id = QString::number(*help);
    // The window's own structure events show it leaving the screen and coming back.
    QProcess& events =
        x.launch(QStringLiteral("xev"),
                 {QStringLiteral("-id"), id, QStringLiteral("-event"), QStringLiteral("structure"),
                  QStringLiteral("-event"), QStringLiteral("property")});
    QByteArray seen;
    const auto waitFor = [&](const QByteArray& what, qsizetype after, int ms = 10000) {
        for (QDeadlineTimer deadline(ms); !deadline.hasExpired();) {
            events.waitForReadyRead(50);
            seen += events.readAllStandardOutput();
            if (seen.indexOf(what, after) >= 0) {
                return seen.indexOf(what, after);
            }
        }
        return qsizetype{-1};
    };
    // A property set for the purpose tells that xev is watching; it may start watching only
    // after the first setting.
    bool watching = false;
    for (int attempt = 0; attempt < 50 && !watching; ++attempt) {
        x.run(QStringLiteral("xprop"),
              {QStringLiteral("-id"), id, QStringLiteral("-f"),
               QStringLiteral("VELTRANE_TEST_MARK"), QStringLiteral("8s"), QStringLiteral("-set"),
               QStringLiteral("VELTRANE_TEST_MARK"), QString::number(attempt)});
        watching = waitFor("VELTRANE_TEST_MARK", 0, 200) >= 0;
    }
    ASSERT_TRUE(watching) << "xev does not watch the window";

    x.run(QStringLiteral("xdotool"), {QStringLiteral("windowminimize"), id});
    const qsizetype unmapped = waitFor("UnmapNotify", 0);
    ASSERT_GE(unmapped, 0) << "the window manager did not minimise the window";
    EXPECT_GE(waitFor("MapNotify", unmapped + 1), 0) << "the Help window stayed minimised";
    EXPECT_TRUE(x.waitForWindow(kHelpTitle, 5000));
    EXPECT_TRUE(x.waitForActive(*help, 10000));

    // A click on the board, which the Help window blocks, brings the Help window forward.
    const QRect boardClient = x.clientGeometry(*board);
    x.click(boardClient.x() + 320, boardClient.y() + 470);
    EXPECT_TRUE(x.waitForActive(*help, 10000));

    // The Help window answers the keyboard ("OK" has the focus) and the board is free again.
    x.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(x.waitForWindowGone(kHelpTitle));
    x.keys(*board, {QStringLiteral("alt+h"), QStringLiteral("a")});
    EXPECT_TRUE(x.waitForWindow(kHelpTitle));
    EXPECT_EQ(game.state(), QProcess::Running);
}

} // namespace
