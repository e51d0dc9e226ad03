// The Help window of the real program on a virtual X server: opened from the board's menu by
// keyboard at its fixed client size with the picture of its page, and the About page's link
// handed through the real xdg-open to the user's browser, here a small script that records the
// address it was given, or the link's message when that browser cannot be started.

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
#include <memory>
#include <vector>

using veltrane::e2e::kHelpTitle;
using veltrane::e2e::XSession;
using veltrane::test::LookTheSame;
using veltrane::test_support::OnWhite;
using veltrane::test_support::ScopedEnv;
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
const QString kMessageTitle = QStringLiteral("^Veltrane$");

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

// A plain X session whose opener (the real xdg-open) finds nothing registered for web addresses
// and so runs the user's BROWSER, here a small script that records the address it was given,
// or fails once the file "refuse" lies beside it. The program inherits the test's environment.
class PlainDesktopWithBrowser {
  public:
    PlainDesktopWithBrowser() {
        EXPECT_TRUE(folder_.isValid());
        QFile script(folder_.filePath(QStringLiteral("browser")));
        EXPECT_TRUE(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\n[ -e '" + QFile::encodeName(folder_.filePath("refuse")) +
                     "' ] && exit 1\nprintf '%s\\n' \"$1\" >> '" + QFile::encodeName(record()) +
                     "'\n");
        script.close();
        EXPECT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray empty = QFile::encodeName(folder_.path());
        for (const char* name :
             {"XDG_CONFIG_HOME", "XDG_CONFIG_DIRS", "XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            settings_.emplace_back(std::make_unique<ScopedEnv>(name, empty));
        }
        settings_.emplace_back(std::make_unique<ScopedEnv>("XDG_CURRENT_DESKTOP", "X-Generic"));
        settings_.emplace_back(
            std::make_unique<ScopedEnv>("BROWSER", QFile::encodeName(script.fileName())));
    }

    QString folder() const { return folder_.path(); }
    QString record() const { return folder_.filePath(QStringLiteral("opened.txt")); }
    void refuse() { QFile(folder_.filePath(QStringLiteral("refuse"))).open(QIODevice::WriteOnly); }

  private:
    QTemporaryDir folder_;
    std::vector<std::unique_ptr<ScopedEnv>> settings_;
};

// The link hands the address to the browser and says nothing; when the browser cannot be
// started, the link's message comes over Help, and OK leaves Help as it was.
TEST(HelpOnX, TheLinkOpensTheBrowserOrSaysItCannot) {
    XSession x;
    // Only the program's desktop: the window manager keeps its own settings.
    PlainDesktopWithBrowser desktop;
    QProcess& game = x.launch(QStringLiteral(VELTRANE_EXECUTABLE));
    const auto help = veltrane::e2e::OpenHelp(x, game, QStringLiteral("a"));
    ASSERT_TRUE(help);
    const QRect client = x.clientGeometry(*help);
    const auto waitForPage = [&](const char* name, const QRect& box) {
        const QImage shown = picture(name).copy(0, 0, box.width() - 4, box.height() - 4);
        return LookTheSame(
            boxOn(
                veltrane::e2e::ScreenWhen(
                    x, [&](const QImage& s) { return LookTheSame(boxOn(s, client, box), shown); }),
                client, box),
            shown);
    };
    // The link is clicked once it is drawn beneath the logo, in the middle of the label at 315,
    // 162 and 93 x 18 in the window.
    ASSERT_TRUE(waitForPage("logo", kLogoBox)) << "no logo picture";
    const QPoint link(315 + 46, 162 + 9);
    veltrane::e2e::ClickIn(x, *help, link);

    QByteArray opened;
    veltrane::e2e::WaitOnFolder(
        desktop.folder(),
        [&] {
            QFile file(desktop.record());
            return file.open(QIODevice::ReadOnly) && (opened = file.readAll()).endsWith('\n');
        },
        10000);
    EXPECT_EQ(opened, QByteArray(VELTRANE_WEB_ADDRESS "\n"));
    // Help still answers, and no message came: "Rules" shows its page.
    veltrane::e2e::ClickIn(x, *help, QPoint(300 + 63, 214 + 11));
    EXPECT_TRUE(waitForPage("title", kTitleBox));
    EXPECT_FALSE(x.waitForWindow(kMessageTitle, 0));

    desktop.refuse();
    veltrane::e2e::ClickIn(x, *help, QPoint(300 + 63, 243 + 11));
    ASSERT_TRUE(waitForPage("logo", kLogoBox));
    veltrane::e2e::ClickIn(x, *help, link);
    const auto message = x.waitForWindow(kMessageTitle);
    ASSERT_TRUE(message) << "no message about the link";
    EXPECT_TRUE(x.waitForActive(*message));
    // Its OK has the focus.
    x.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(x.waitForWindowGone(kMessageTitle));
    EXPECT_TRUE(x.waitForActive(*help));
    EXPECT_EQ(game.state(), QProcess::Running);
}

// The window manager offers a minimise button on the Help window; while the window is modal
// the board takes no input. The game leaves the player's minimise alone, and the board it
// blocks, once used again, brings Help back, so the board never stands without an answer.
TEST(HelpOnX, AMinimisedHelpWindowComesBackWithTheBoardItBlocks) {
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

    // The board it blocks, brought back from the task list (openbox minimises it with Help),
    // brings Help back with it.
    x.run(QStringLiteral("xdotool"), {QStringLiteral("windowactivate"), QString::number(*board)});
    EXPECT_GE(waitFor("MapNotify", unmapped + 1), 0) << "the Help window stayed minimised";
    EXPECT_TRUE(x.waitForWindow(kHelpTitle, 5000));
    EXPECT_TRUE(x.waitForActive(*help, 10000));

    // The Help window answers the keyboard ("OK" has the focus) and the board is free again.
    x.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Return")});
    EXPECT_TRUE(x.waitForWindowGone(kHelpTitle));
    x.keys(*board, {QStringLiteral("alt+h"), QStringLiteral("a")});
    EXPECT_TRUE(x.waitForWindow(kHelpTitle));
    EXPECT_EQ(game.state(), QProcess::Running);
}

} // namespace
