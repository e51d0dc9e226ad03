// The splash: its load, its place and size, the greeting, the ENTER HERE strip handing the
// program over to the board, the close command, and the refusal of large fonts.

#include "board/frm_board.h"
#include "expected_layout.h"
#include "game/random_source.h"
#include "platform/program_folder.h"
#include "qt_test_support.h"
#include "shell/frm_splash.h"
#include "shell_test_support.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace veltrane;
using veltrane::shell_tests::ClickAt;
using veltrane::shell_tests::SoundLog;

namespace {

namespace expected = veltrane::expected;

const QRect kStrip(139, 372, 130, 17);

class Splash : public ::testing::Test {
  protected:
    Splash() : random_(7), game_(random_), splash_(new frm_splash(game_)) {}
    ~Splash() override {
        delete splash_;
        delete board_;
    }

    void load() {
        ASSERT_TRUE(splash_->Form_Load());
        board_ = splash_->board();
        ASSERT_NE(board_, nullptr);
    }
    void loadAndShow() {
        load();
        splash_->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(splash_));
    }
    void deleteClosedWindows() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void expectFirstGamePrepared() {
        // The aces on the foundations (spades, diamonds, hearts, clubs), the back on the stock,
        // the blank waste, and tableau slots that wait for Deal.
        const int aces[] = {1, 14, 40, 27};
        for (Int16 k = 1; k <= 4; ++k) {
            EXPECT_EQ(board_->img_ace(k)->picture(), Picture::card(aces[k - 1])) << k;
        }
        EXPECT_EQ(board_->img_deck()->picture(), Picture::card(0));
        EXPECT_EQ(board_->img_dealt()->picture(), img_blank);
        for (Int16 j = 5; j <= 20; ++j) {
            EXPECT_TRUE(board_->img_cards(j)->picture().isNone()) << j;
        }
    }

    SoundLog sounds_;
    SeededRandomSource random_;
    Game game_;
    QPointer<frm_splash> splash_;
    QPointer<frm_board> board_;
};

TEST_F(Splash, LoadsSizedCentredWithItsStripAndTheBoardPreparedOutOfSight) {
    load();
    EXPECT_FALSE(splash_->isVisible());
    EXPECT_FALSE(board_->isVisible());
    EXPECT_TRUE(sounds_.paths.isEmpty());

    EXPECT_EQ(splash_->size(),
              QSize(expected::kSplash.clientWidth, expected::kSplash.clientHeight));
    EXPECT_EQ(splash_->minimumSize(), splash_->maximumSize());
    EXPECT_EQ(splash_->windowType(), Qt::Tool);
    EXPECT_FALSE(splash_->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(splash_->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_NE(splash_->windowTitle(), QStringLiteral("Veltrane Solitaire"));

    EXPECT_EQ(splash_->pos(), test_support::CentredPosition(expected::kSplash, splash_));

    EXPECT_EQ(splash_->Image1->geometry(), kStrip);
    EXPECT_EQ(splash_->lbl_splash->geometry(), QRect(1, 1, 0, 0));
    EXPECT_TRUE(splash_->lbl_splash->isHidden());
    // The pointing hand over the strip, its hot spot at the fingertip.
    const QCursor hand = splash_->Image1->cursor();
    EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
    EXPECT_EQ(hand.hotSpot(), QPoint(12, 9));
    EXPECT_EQ(hand.pixmap().deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_NE(splash_->cursor().shape(), Qt::BitmapCursor);

    expectFirstGamePrepared();
}

TEST_F(Splash, ShowsItsPictureOnWhiteAndGreetsWhenItBecomesActive) {
    loadAndShow();
    EXPECT_EQ(sounds_.paths, QStringList{platform::ProgramFolder() + "/SOUND/34.WAV"});
    EXPECT_FALSE(board_->isVisible());

    const QImage shot = splash_->grab().toImage();
    const auto at = [&](int x, int y) {
        return shot.pixelColor(
            QPointF(x * shot.devicePixelRatio(), y * shot.devicePixelRatio()).toPoint());
    };
    // The picture fills 400 x 400 from the corner; the extra client pixels stay white.
    EXPECT_EQ(at(400, 200), QColor(Qt::white));
    EXPECT_EQ(at(200, 403), QColor(Qt::white));
    // The dark band of ENTER HERE runs across the bottom of the picture.
    EXPECT_LT(at(20, 380).lightness(), 100);
}

TEST_F(Splash, AClickOnTheStripShowsTheBoardAndTheSplashGoes) {
    loadAndShow();
    ClickAt(splash_, kStrip.center());
    EXPECT_TRUE(board_->isVisible());
    EXPECT_EQ(board_->windowType(), Qt::Window);
    EXPECT_FALSE(board_->isModal());
    deleteClosedWindows();
    EXPECT_TRUE(splash_.isNull());
    expectFirstGamePrepared();
}

TEST_F(Splash, EnterHereHasTheKeyboardAndSpaceOrReturnIsItsClick) {
    for (Qt::Key enter : {Qt::Key_Space, Qt::Key_Return}) {
        SCOPED_TRACE(enter);
        delete splash_;
        delete board_;
        splash_ = new frm_splash(game_);
        loadAndShow();
        EXPECT_EQ(QApplication::focusWidget(), splash_->Image1);
        // Other keys, and Return with a modifier, do nothing.
        QTest::keyClick(splash_->Image1, Qt::Key_A);
        QTest::keyClick(splash_->Image1, Qt::Key_Escape);
        QTest::keyClick(splash_->Image1, Qt::Key_Return, Qt::ControlModifier);
        EXPECT_FALSE(board_->isVisible());
        QTest::keyClick(splash_->Image1, enter);
        EXPECT_TRUE(board_->isVisible());
        deleteClosedWindows();
        EXPECT_TRUE(splash_.isNull());
    }
}

TEST_F(Splash, TheStripsCornersAreInside) {
    for (QPoint corner : {kStrip.topLeft(), kStrip.bottomRight()}) {
        SCOPED_TRACE(corner.x());
        delete splash_;
        delete board_;
        splash_ = new frm_splash(game_);
        loadAndShow();
        ClickAt(splash_, corner);
        EXPECT_TRUE(board_->isVisible());
    }
}

TEST_F(Splash, ClicksBesideTheStripAndPassingOverItDoNothing) {
    loadAndShow();
    const QPoint beside[] = {{10, 10},
                             {200, 200},
                             {kStrip.left() - 1, 380},
                             {kStrip.right() + 1, 380},
                             {204, kStrip.top() - 1},
                             {204, kStrip.bottom() + 1},
                             {400, 404}};
    for (QPoint p : beside) {
        ClickAt(splash_, p);
    }
    // Over the strip and away again, and a press on the strip released off it.
    QTest::mouseMove(splash_->Image1, QPoint(65, 8));
    QTest::mouseMove(splash_, QPoint(50, 50));
    QTest::mousePress(splash_->Image1, Qt::LeftButton, {}, QPoint(65, 8));
    QTest::mouseRelease(splash_->Image1, Qt::LeftButton, {}, QPoint(65, 40));
    QTest::mouseClick(splash_->Image1, Qt::RightButton, {}, QPoint(65, 8));
    deleteClosedWindows();
    ASSERT_FALSE(splash_.isNull());
    EXPECT_TRUE(splash_->isVisible());
    EXPECT_FALSE(board_->isVisible());
    EXPECT_EQ(sounds_.paths.size(), 1);
}

TEST_F(Splash, TheCloseCommandEndsTheProgram) {
    loadAndShow();
    QTimer::singleShot(0, splash_, [this] { splash_->close(); });
    const auto guard = shell_tests::EndLoopAfter(10000, 99);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(board_->isVisible());
}

TEST_F(Splash, TheProgramGoesOnWithTheBoardAfterTheStrip) {
    loadAndShow();
    bool boardShownAfterwards = false;
    // Looked at once the splash is gone and the events it left behind have been handled: had
    // its going ended the program, the loop would have returned before.
    QObject::connect(splash_, &QObject::destroyed, board_, [&] {
        QTimer::singleShot(0, board_, [&] {
            boardShownAfterwards = board_->isVisible();
            board_->close();
        });
    });
    QTimer::singleShot(0, splash_, [this] { ClickAt(splash_, kStrip.center()); });
    const auto guard = shell_tests::EndLoopAfter(10000, 99);
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(boardShownAfterwards);
}

// The whole start-up of the program, in a child process at a given resolution.
struct Start {
    int exitCode;
    QString seen;
};

Start startProgramAt(int dpi) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_FONT_DPI"), QString::number(dpi));
    const test_support::ChildRun child =
        test_support::RunThisProgram({QStringLiteral("--program-child")}, env);
    EXPECT_TRUE(child.finished);
    EXPECT_EQ(child.exitStatus, QProcess::NormalExit);
    return {child.exitCode, QString::fromUtf8(child.output)};
}

TEST(ProgramStart, LargeFontsAreRefusedWithTheMessageAndNothingElse) {
    const QString message = QStringLiteral(
        "message|Veltrane|Your video display is set to LARGE FONTS. This application requires a "
        "setting of Small Fonts. Right click on your desktop, select PROPERTIES,then SETTINGS. "
        "Change Fonts from Large to Small, then click on the APPLY button.|OK|0|0");
    for (int dpi : {116, 120, 125}) {
        SCOPED_TRACE(dpi);
        const Start start = startProgramAt(dpi);
        EXPECT_EQ(start.exitCode, 0);
        EXPECT_EQ(start.seen, message);
    }
}

TEST(ProgramStart, OtherResolutionsOpenTheSplashWithTheBoardLoadedAndItsCloseEndsTheProgram) {
    for (int dpi : {96, 115, 126, 144}) {
        SCOPED_TRACE(dpi);
        const Start start = startProgramAt(dpi);
        EXPECT_EQ(start.exitCode, 0);
        EXPECT_EQ(start.seen, QStringLiteral("splash|Welcome|1"));
    }
}

// Run only at 120 pixels per inch: the splash's load itself.
TEST(LargeFonts, TheLoadShowsTheMessageAndLoadsNoBoard) {
    SoundLog sounds;
    SeededRandomSource random(1);
    Game game(random);
    QPointer<frm_splash> splash = new frm_splash(game);
    QString text;
    bool anotherWindowShown = false;
    test_support::WhenModalAppears([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            anotherWindowShown = anotherWindowShown || (window != box && window->isVisible());
        }
        box->buttons().front()->click();
    });
    EXPECT_FALSE(splash->Form_Load());
    EXPECT_EQ(text, QString::fromLatin1(shell::kLargeFontsMessage));
    EXPECT_FALSE(anotherWindowShown);
    EXPECT_EQ(splash->board(), nullptr);
    EXPECT_FALSE(splash->isVisible());
    EXPECT_TRUE(sounds.paths.isEmpty());
    // The load steps before the test have run all the same: sized, laid out, the hand given.
    EXPECT_EQ(splash->size(), QSize(expected::kSplash.clientWidth, expected::kSplash.clientHeight));
    EXPECT_EQ(splash->Image1->geometry(), kStrip);
    EXPECT_EQ(splash->Image1->cursor().shape(), Qt::BitmapCursor);
    delete splash;
}

} // namespace
