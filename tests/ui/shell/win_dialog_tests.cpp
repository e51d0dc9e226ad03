// The win dialog: its size and place on the screen, the picture, the OK button with the focus,
// applause as it opens, and each way of closing it deleting it.

#include "expected_layout.h"
#include "picture_compare.h"
#include "platform/program_folder.h"
#include "qt_test_support.h"
#include "shell/frm_win.h"
#include "shell_test_support.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QWindow>
#include <algorithm>
#include <gtest/gtest.h>

using namespace veltrane;
using veltrane::shell_tests::SoundLog;

namespace {

namespace expected = veltrane::expected;

QPoint centredPosition(const QWidget* window) {
    return test_support::CentredPosition(expected::kWin, window);
}

TEST(WinDialog, LoadsWithItsSizeItsPlaceAndOneButton) {
    auto* dialog = new frm_win;
    dialog->Form_Load();
    EXPECT_EQ(dialog->size(), QSize(expected::kWin.clientWidth, expected::kWin.clientHeight));
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize());
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Veltrane Solitaire"));
    EXPECT_EQ(dialog->windowType(), Qt::Tool);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(dialog->parentWidget(), nullptr);
    EXPECT_EQ(dialog->pos(), centredPosition(dialog));
    EXPECT_EQ(dialog->btn_OK->geometry(), QRect(161, 87, 102, 22));
    EXPECT_EQ(dialog->btn_OK->text(), QStringLiteral("OK"));
    // The one control; the picture's words for a screen reader take no input.
    const QList<QWidget*> children = dialog->findChildren<QWidget*>();
    EXPECT_EQ(std::count_if(children.begin(), children.end(),
                            [](const QWidget* child) {
                                return !child->testAttribute(Qt::WA_TransparentForMouseEvents);
                            }),
              1);
    delete dialog;
}

// Opens the dialog as the win does, over a board placed away from the centre (the dialog belongs
// to it, yet centres itself on the screen), and closes it the given way from inside its modal
// loop.
struct Opening {
    bool modal = false;
    bool ownedByTheBoard = false;
    bool okHasFocus = false;
    QPoint position;
    QPoint expectedPosition;
    QStringList soundsAtOpening;
    QImage picture;
    QPointer<frm_win> dialog;
};

Opening openAndClose(const std::function<void(frm_win*)>& close) {
    SoundLog sounds;
    QWidget board;
    board.setGeometry(0, 0, 200, 150);
    board.show();
    Opening seen;
    test_support::WhenModalAppears([&](QWidget* modal) {
        auto* dialog = qobject_cast<frm_win*>(modal);
        ASSERT_NE(dialog, nullptr);
        // Its own activation: Qt counts a window transient for the active board as active
        // before the window system has activated it.
        ASSERT_TRUE(QTest::qWaitFor(
            [dialog] { return QGuiApplication::focusWindow() == dialog->windowHandle(); }));
        seen.dialog = dialog;
        seen.modal = dialog->windowModality() == Qt::ApplicationModal;
        seen.ownedByTheBoard = dialog->windowHandle()->transientParent() == board.windowHandle();
        seen.okHasFocus = dialog->focusWidget() == dialog->btn_OK;
        seen.position = dialog->pos();
        seen.expectedPosition = centredPosition(dialog);
        seen.soundsAtOpening = sounds.paths;
        seen.picture = dialog->grab().toImage();
        close(dialog);
    });
    const auto guard = shell_tests::EndLoopAfter(10000, 99);
    shell::ShowWinDialog(&board);
    return seen;
}

TEST(WinDialog, OpensModalCentredOnTheScreenWithApplauseAndClosesEachWay) {
    const std::pair<const char*, std::function<void(frm_win*)>> ways[] = {
        {"OK clicked", [](frm_win* d) { QTest::mouseClick(d->btn_OK, Qt::LeftButton); }},
        {"Enter", [](frm_win* d) { QTest::keyClick(d->btn_OK, Qt::Key_Return); }},
        {"Space on the focused button",
         [](frm_win* d) { QTest::keyClick(d->btn_OK, Qt::Key_Space); }},
        {"close command", [](frm_win* d) { d->close(); }},
    };
    for (const auto& [name, close] : ways) {
        SCOPED_TRACE(name);
        const Opening seen = openAndClose(close);
        EXPECT_TRUE(seen.modal);
        EXPECT_TRUE(seen.ownedByTheBoard);
        EXPECT_TRUE(seen.okHasFocus);
        EXPECT_EQ(seen.position, seen.expectedPosition);
        EXPECT_EQ(seen.soundsAtOpening,
                  QStringList{platform::ProgramFolder() + "/SOUND/APPLAUS.WAV"});
        EXPECT_TRUE(seen.dialog.isNull()) << "the closed dialog is deleted";
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
}

TEST(WinDialog, MinimisedItComesBackWhenTheBoardItBlocksIsUsed) {
    bool stayed = false;
    bool cameBack = false;
    const Opening seen = openAndClose([&](frm_win* d) {
        d->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        stayed = d->isMinimized();
        // The player clicks the board, which the window system activates.
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != d && window->isVisible()) {
                window->activateWindow();
            }
        }
        cameBack = QTest::qWaitFor([d] { return !d->isMinimized() && d->isVisible(); });
        d->close();
    });
    EXPECT_TRUE(stayed) << "the game undid the minimise on its own";
    EXPECT_TRUE(cameBack);
    EXPECT_TRUE(seen.dialog.isNull());
}

TEST(WinDialog, ShowsThePictureFromTheCornerOnWhite) {
    const Opening seen = openAndClose([](frm_win* d) { d->close(); });
    const QImage& shot = seen.picture;
    const qreal r = shot.devicePixelRatio();
    ASSERT_EQ(shot.size(), QSize(qRound(307 * r), qRound(129 * r)));
    // Below the picture's 126 rows the client is white.
    for (int x = 0; x < 307; x += 10) {
        EXPECT_EQ(shot.pixelColor(qRound(x * r), qRound(127 * r)), QColor(Qt::white)) << x;
    }
    if (r == 1.0) {
        // At its own size the picture lies from the corner, its last column cut off by the
        // client's 307; only the button covers it.
        QImage picture = QImage(QStringLiteral(":/pictures/win.png"))
                             .convertToFormat(QImage::Format_RGB32)
                             .copy(0, 0, 307, 126);
        ASSERT_EQ(picture.size(), QSize(307, 126));
        QImage shown = shot.convertToFormat(QImage::Format_RGB32).copy(0, 0, 307, 126);
        const QRect button(161, 87, 102, 22);
        QPainter(&picture).fillRect(button, Qt::black);
        QPainter(&shown).fillRect(button, Qt::black);
        EXPECT_TRUE(test::PicturesMatch(shown, picture));
    }
}

} // namespace
