// The window-system layer: the sizing rule's arithmetic, windows sized at the display's real
// resolution, the message box, and the error guard ending the program.

#include "expected_layout.h"
#include "game/runtime_error.h"
#include "platform/error_guard.h"
#include "platform/message_box.h"
#include "platform/pictures.h"
#include "platform/saved_state.h"
#include "platform/translations.h"
#include "platform/web_link.h"
#include "platform/window_sizing.h"
#include "qt_test_support.h"

#include <QDialog>
#include <QDirIterator>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <QWindow>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <utility>
#include <vector>

using namespace veltrane;
using namespace veltrane::platform;

namespace {

namespace expected = veltrane::expected;

WindowSpec asked(const expected::Window& window) {
    return {window.askedWidth, window.askedHeight, window.menuAllowance,
            window.toolWindow ? FrameKind::ToolWindow : FrameKind::FixedSingle};
}

const WindowSpec kBoard = asked(expected::kBoard);
const WindowSpec kSplash = asked(expected::kSplash);

TEST(SizingRule, AdjustsTheBoardRectangleAsTheClassicFrameDoes) {
    const PixelRect r = AdjustWindowRect({0, 0, 620, 460}, true);
    EXPECT_EQ(r.left, -3);
    EXPECT_EQ(r.top, -41);
    EXPECT_EQ(r.right, 623);
    EXPECT_EQ(r.bottom, 463);
}

TEST(SizingRule, ClientAreasAreFixedAtEveryResolution) {
    for (double dpi : {96.0, 110.0, 120.0, 144.0, 192.0}) {
        for (const auto& [name, window] :
             {std::pair{"board", expected::kBoard}, std::pair{"splash", expected::kSplash},
              std::pair{"win", expected::kWin}, std::pair{"help", expected::kHelp}}) {
            SCOPED_TRACE(std::string(name) + " at " + std::to_string(dpi));
            const Placement p = ComputePlacement(asked(window), dpi, dpi, 1920, 1080);
            EXPECT_EQ(p.outerWidth, window.outerWidth);
            EXPECT_EQ(p.outerHeight, window.outerHeight);
            EXPECT_EQ(p.clientWidth, window.clientWidth);
            EXPECT_EQ(p.clientHeight, window.clientHeight);
        }
    }
}

TEST(SizingRule, TwipsFollowTheResolution) {
    const Placement at96 = ComputePlacement(kBoard, 96, 96, 1024, 768);
    EXPECT_FLOAT_EQ(at96.widthTwips, 627 * 15);
    EXPECT_FLOAT_EQ(at96.heightTwips, 505 * 15);
    const Placement at120 = ComputePlacement(kBoard, 120, 120, 1024, 768);
    EXPECT_FLOAT_EQ(at120.widthTwips, 627 * 12);
    const Placement at144 = ComputePlacement(kBoard, 144, 144, 1024, 768);
    EXPECT_FLOAT_EQ(at144.widthTwips, 627 * 10);
    EXPECT_FLOAT_EQ(at144.heightTwips, 505 * 10);
}

TEST(SizingRule, CentresTheOuterRectangleWithoutClamping) {
    const Placement p = ComputePlacement(kBoard, 96, 96, 1024, 768);
    // 198.5 and 131.5 pixels: the window system rounds halves to the even pixel.
    EXPECT_EQ(p.left, 198);
    EXPECT_EQ(p.top, 132);
    EXPECT_FLOAT_EQ(p.leftTwips, 2977.5F);
}

TEST(SizingRule, AWindowLargerThanTheScreenGoesPartlyOffIt) {
    const Placement p = ComputePlacement(kBoard, 96, 96, 600, 400);
    EXPECT_LT(p.left, 0);
    EXPECT_LT(p.top, 0);
    EXPECT_EQ(p.left, -14); // -13.5
    EXPECT_EQ(p.top, -52);  // -52.5
}

TEST(SizingRule, CentresOnAScreenThatDoesNotStartAtTheDesktopsCorner) {
    // A 1280 x 1024 monitor right of another one: 326.5 and 259.5 pixels into it.
    const Placement right = ComputePlacement(kBoard, 96, 96, 1280, 1024, 1280, 0);
    EXPECT_EQ(right.left, 1280 + 326);
    EXPECT_EQ(right.top, 260);
    // Partly off that monitor, and not pulled back onto it.
    const Placement tooBig = ComputePlacement(kBoard, 96, 96, 600, 400, 1280, 100);
    EXPECT_EQ(tooBig.left, 1280 - 14);
    EXPECT_EQ(tooBig.top, 100 - 52);
}

TEST(SizingRule, ZeroResolutionIsARuntimeError) {
    try {
        ComputePlacement(kBoard, 0, 96, 1024, 768);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 11);
    }
}

TEST(SizingRule, TwipsPerPixelRoundsHalvesToEven) {
    EXPECT_EQ(TwipsPerPixelRounded(96), 15);
    EXPECT_EQ(TwipsPerPixelRounded(115), 13); // 12.52
    EXPECT_EQ(TwipsPerPixelRounded(116), 12); // 12.41
    EXPECT_EQ(TwipsPerPixelRounded(120), 12);
    EXPECT_EQ(TwipsPerPixelRounded(125), 12); // 11.52
    EXPECT_EQ(TwipsPerPixelRounded(126), 11); // 11.43
    EXPECT_EQ(TwipsPerPixelRounded(144), 10);
    EXPECT_EQ(TwipsPerPixelRounded(1440.0 / 12.5), 12); // an exact half goes to the even 12
}

TEST(RealWindows, TheDisplayResolutionComesFromTheScreen) {
    const double expected = qEnvironmentVariableIntValue("VELTRANE_TEST_DPI");
    QWidget w;
    EXPECT_DOUBLE_EQ(DisplayDpiX(&w), expected);
    EXPECT_DOUBLE_EQ(DisplayDpiY(&w), expected);
}

TEST(RealWindows, AMainWindowGetsItsClientAreaBelowItsMenuBar) {
    QMainWindow w;
    w.menuBar()->addMenu(QStringLiteral("&File"));
    w.menuBar()->setNativeMenuBar(false);
    w.setCentralWidget(new QWidget);
    SizeWindow(&w, kBoard);
    CentreWindow(&w, kBoard);
    w.show();
    EXPECT_EQ(w.centralWidget()->size(),
              QSize(expected::kBoard.clientWidth, expected::kBoard.clientHeight));
    EXPECT_EQ(w.pos(), veltrane::test_support::CentredPosition(expected::kBoard, &w));
}

TEST(RealWindows, AToolWindowGetsTheTallerClientArea) {
    QWidget w;
    SizeWindow(&w, kSplash);
    w.show();
    EXPECT_EQ(w.size(), QSize(expected::kSplash.clientWidth, expected::kSplash.clientHeight));
}

// Run on a desktop of two monitors (two_screens.json): the primary one lies right of the one
// that holds the desktop's corner.
TEST(TwoScreens, EveryWindowIsSizedForAndCentredOnThePrimaryScreen) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    ASSERT_EQ(screens.size(), 2);
    QScreen* primary = QGuiApplication::primaryScreen();
    ASSERT_EQ(primary->geometry(), QRect(1280, 0, 1280, 1024));

    // Not yet shown, a window lies where Qt's default geometry puts it, on the left monitor.
    QWidget splash;
    SizeWindow(&splash, kSplash);
    CentreWindow(&splash, kSplash);
    splash.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&splash));
    // The outer 407 x 426 centred 436.5 and 299 pixels into the primary monitor.
    EXPECT_EQ(splash.pos(), QPoint(1280 + 436, 299));
    EXPECT_EQ(splash.size(), QSize(401, 405));
    EXPECT_EQ(splash.screen(), primary);

    QMainWindow board;
    board.menuBar()->addMenu(QStringLiteral("&File"));
    board.menuBar()->setNativeMenuBar(false);
    board.setCentralWidget(new QWidget);
    SizeWindow(&board, kBoard);
    CentreWindow(&board, kBoard);
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    EXPECT_EQ(board.pos(), QPoint(1280 + 326, 260));
    EXPECT_EQ(board.centralWidget()->size(), QSize(621, 461));
    EXPECT_EQ(board.screen(), primary);
}

TEST(Pictures, EveryPictureReadsPixelForPixelAsQtsOwnReaderReadsIt) {
    using veltrane::platform::PictureSize;
    using veltrane::platform::ReadPicture;
    int compared = 0;
    for (QDirIterator it(QStringLiteral(":/pictures"), {QStringLiteral("*.png")}); it.hasNext();) {
        const QString path = it.next();
        QString name = QFileInfo(path).completeBaseName();
        const bool doubleSize = name.endsWith(QStringLiteral("@2x"));
        name.chop(doubleSize ? 3 : 0);
        const qreal ratio = doubleSize ? 2.0 : 1.0;
        const QImage ours = ReadPicture(name, ratio);
        const QImage theirs = QImage(path).convertToFormat(ours.format());
        ASSERT_FALSE(theirs.isNull()) << path.toStdString();
        EXPECT_EQ(ours, theirs) << path.toStdString();
        EXPECT_EQ(ours.devicePixelRatio(), ratio) << path.toStdString();
        EXPECT_EQ(PictureSize(name, ratio), theirs.size() / ratio) << path.toStdString();
        ++compared;
    }
    EXPECT_GT(compared, 100);
}

TEST(Pictures, TheHandPointsWithItsFingertipAtEverySizeAndAMissingPictureIsAnError) {
    for (const qreal ratio : {1.0, 2.0}) {
        const QCursor hand = veltrane::platform::HandCursor(ratio);
        EXPECT_EQ(hand.hotSpot(), QPoint(12, 9)) << ratio;
        EXPECT_EQ(hand.pixmap().deviceIndependentSize(), QSizeF(32, 32)) << ratio;
    }
    for (const qreal ratio : {1.0, 2.0}) {
        try {
            veltrane::platform::ReadPicture(QStringLiteral("no_such_picture"), ratio);
            ADD_FAILURE() << "read a picture that is not there";
        } catch (const veltrane::RuntimeError& error) {
            EXPECT_EQ(error.number(), 481);
        }
        EXPECT_THROW(veltrane::platform::PictureSize(QStringLiteral("no_such_picture"), ratio),
                     veltrane::RuntimeError);
    }
}

TEST(MessageBox, HasTheTitleTheTextAndOnlyAnOkButtonWithoutIcons) {
    bool checked = false;
    veltrane::test_support::WhenModalAppears([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Veltrane"));
        EXPECT_EQ(box->text(), QStringLiteral("<b>not markup</b>"));
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_TRUE(box->iconPixmap().isNull());
        ASSERT_EQ(box->buttons().size(), 1);
        EXPECT_EQ(box->standardButton(box->buttons().front()), QMessageBox::Ok);
        EXPECT_TRUE(box->buttons().front()->icon().isNull());
        checked = true;
        box->buttons().front()->click();
    });
    MsgBox(QStringLiteral("<b>not markup</b>"));
    EXPECT_TRUE(checked);
}

// A box belongs to the window it blocks (its window manager keeps the two together): the one
// window shown, or the modal window over it.
TEST(MessageBox, BelongsToTheWindowItBlocks) {
    std::vector<QWindow*> owners;
    const veltrane::test_support::ModalAnswerer answerer([&owners](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return false;
        }
        owners.push_back(box->windowHandle()->transientParent());
        box->buttons().front()->click();
        return true;
    });
    QWidget board;
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    MsgBox(QStringLiteral("over the board"));
    QDialog help;
    help.setWindowModality(Qt::ApplicationModal);
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    MsgBox(QStringLiteral("over Help"));
    EXPECT_EQ(owners, (std::vector<QWindow*>{board.windowHandle(), help.windowHandle()}));
}

// The guard is proved in a child process: the test binary runs itself with a flag, throws
// from an event handler, and the child answers its own message box.
int runGuardChild() {
    int argc = 1;
    char name[] = "guard";
    char* argv[] = {name, nullptr};
    GuardedApplication app(argc, argv);
    QTimer::singleShot(0, [] {
        veltrane::test_support::ReportNextMessageBox();
        throw RuntimeError(ErrSubscript, "Subscript out of range");
    });
    return QApplication::exec();
}

// A session key is input: it names a file in the game's state folder, or none at all. The file
// is replaced whole, in a folder for the user alone, and read no further than asked.
TEST(SavedState, ASessionKeyNamesAFileInTheStateFolderOrNone) {
    QTemporaryDir home;
    const test_support::ScopedEnv state("XDG_STATE_HOME", home.path().toUtf8());
    const QString key = QStringLiteral("10d4a7f3e2000170000000012345_1700000000_12");
    EXPECT_EQ(SessionStateFile(key), home.filePath(QStringLiteral("veltrane/session-") + key));
    for (const QString& bad :
         {QString(), QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("a\\b"),
          QStringLiteral(".x"), QStringLiteral("a..b"), QStringLiteral("a\nb"),
          QStringLiteral("a b"), QStringLiteral("\u00e9"),
          QString(kMaxSessionKeyLength + 1, QLatin1Char('a'))}) {
        EXPECT_EQ(SessionStateFile(bad), QString()) << bad.toStdString();
    }
    const QString file = SessionStateFile(QStringLiteral("k"));
    EXPECT_EQ(WriteStateFile(file, "first\n"), QString());
    EXPECT_EQ(WriteStateFile(file, "second\n"), QString());
    // Qt's flags 0x77 are the group's and the others' reading, writing and entering.
    EXPECT_EQ(QFileInfo(home.filePath(QStringLiteral("veltrane"))).permissions() & 0x77, 0);
    EXPECT_EQ(ReadStateFile(file, 3).bytes, QByteArray("seco"));
    EXPECT_FALSE(ReadStateFile(home.path(), 3).found);
    const test_support::ScopedEnv relative("XDG_STATE_HOME", "state");
    EXPECT_EQ(SessionStateFile(QStringLiteral("k")),
              QDir::homePath() + QStringLiteral("/.local/state/veltrane/session-k"));
}

TEST(ErrorGuard, AnEscapingErrorShowsTheMessageAndEndsTheProgram) {
    const auto child = veltrane::test_support::RunThisProgram({QStringLiteral("--guard-child")});
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(child.exitCode, kRuntimeErrorExitStatus);
    EXPECT_EQ(QString::fromUtf8(child.output),
              QStringLiteral("Veltrane|Run-time error '9':\n\nSubscript out of range"));
}

// The player's language: the first one the game speaks, country by country and then without the
// country; English first, or nothing the game speaks, is English.
TEST(Translations, TheFirstLanguageTheGameSpeaksWinsAndEnglishIsTheSourceText) {
    const std::vector<std::pair<QStringList, QString>> cases = {
        {{QStringLiteral("de-DE")}, QStringLiteral("de")},
        {{QStringLiteral("de-AT"), QStringLiteral("fr-FR")}, QStringLiteral("de")},
        {{QStringLiteral("pt-BR")}, QStringLiteral("pt_BR")},
        {{QStringLiteral("pt-PT")}, QString()},
        {{QStringLiteral("zh-Hans-CN"), QStringLiteral("zh-CN")}, QStringLiteral("zh_CN")},
        {{QStringLiteral("sw-KE"), QStringLiteral("ja-JP")}, QStringLiteral("ja")},
        {{QStringLiteral("en-GB"), QStringLiteral("de-DE")}, QString()},
        {{QStringLiteral("sw-KE")}, QString()},
        {{QStringLiteral("C")}, QString()},
        {{QStringLiteral("POSIX")}, QString()},
        {{QStringLiteral("")}, QString()},
        {{}, QString()}};
    for (const auto& [asked, chosen] : cases) {
        EXPECT_EQ(ChooseLanguage(asked), chosen) << qPrintable(asked.join(QLatin1Char(',')));
    }
}

// A translation file that is empty, cut short or no translation at all leaves the game's texts
// in English without a word on the terminal; the language is still the player's for the help.
TEST(Translations, ABrokenTranslationFileLeavesTheTextInEnglishQuietly) {
    QFile real(QCoreApplication::applicationDirPath() +
               QStringLiteral("/translations/veltrane_de.qm"));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray whole = real.readAll();
    QFile picture(QStringLiteral(":/pictures/splash.png"));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    std::vector<QByteArray> broken = {QByteArray(), picture.readAll(), QByteArray(5000, '\xff')};
    for (qsizetype cut : {qsizetype{16}, whole.size() / 2, whole.size() - 1}) {
        broken.push_back(whole.left(cut));
    }
    static QStringList messages;
    const QtMessageHandler before = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { messages << text; });
    for (const QByteArray& bytes : broken) {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("veltrane_de.qm")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        EXPECT_EQ(InstallTranslations({QStringLiteral("de-DE")}, folder.path()),
                  QStringLiteral("de"));
        // A cut file may still hold some texts; each is either English or the German one.
        const QString file_menu = QCoreApplication::translate("frm_board", "&File");
        EXPECT_TRUE(file_menu == QStringLiteral("&File") || file_menu == QStringLiteral("&Datei"))
            << qPrintable(file_menu);
        EXPECT_EQ(TranslateFilled("frm_help", "Cannot read %1: %2",
                                  {QStringLiteral("rules.txt"), QStringLiteral("why")})
                      .contains(QStringLiteral("why")),
                  true);
    }
    InstallTranslations({QStringLiteral("C")}, QString());
    qInstallMessageHandler(before);
    EXPECT_EQ(messages, QStringList());
    EXPECT_EQ(GameLanguage(), QString());
}

// A translation that lost a placeholder would lose the file's name or the error's number: the
// message comes in English, whole. An argument holding a placeholder is not filled again.
TEST(Translations, AMessageKeepsEveryArgumentWhateverItsTranslationHolds) {
    class Dropping : public QTranslator {
      public:
        QString translate(const char*, const char* source, const char*, int) const override {
            if (QByteArrayView(source) == "Cannot read %1: %2") {
                return QStringLiteral("Lesefehler: %2");
            }
            if (QByteArrayView(source) == "Run-time error '%1':\n\n%2") {
                return QStringLiteral("Laufzeitfehler %1: %2");
            }
            return {};
        }
        bool isEmpty() const override { return false; }
    } dropping;
    QCoreApplication::installTranslator(&dropping);
    EXPECT_EQ(TranslateFilled("frm_help", "Cannot read %1: %2",
                              {QStringLiteral("rules.txt"), QStringLiteral("Is a directory")}),
              QStringLiteral("Cannot read rules.txt: Is a directory"));
    EXPECT_EQ(TranslateFilled("RuntimeError", "Run-time error '%1':\n\n%2",
                              {QStringLiteral("9"), QStringLiteral("100% %1")}),
              QStringLiteral("Laufzeitfehler 9: 100% %1"));
    QCoreApplication::removeTranslator(&dropping);
}

// The desktop's answer comes when its opener ends, not when it starts: a plain X session's
// opener runs the browser and ends with its status, or ends at once with a failure.
TEST(WebLink, TheAnswerComesWhenTheOpenerEnds) {
    using veltrane::test_support::AddressCatcher;
    using veltrane::test_support::WaitUntil;
    const QUrl address(QStringLiteral("https://example.org/a%20b?c=d"));
    QObject asker;
    QList<bool> answers;
    const auto ask = [&] {
        OpenAddress(address, &asker, [&](bool opened) { answers.append(opened); });
    };
    for (const auto& [answer, opened] : {std::pair{AddressCatcher::Answer::Open, true},
                                         {AddressCatcher::Answer::Refuse, false},
                                         {AddressCatcher::Answer::Missing, false}}) {
        const AddressCatcher catcher(answer);
        answers.clear();
        ask();
        ASSERT_TRUE(WaitUntil([&] { return !answers.isEmpty(); }));
        EXPECT_EQ(answers, QList<bool>{opened});
        EXPECT_EQ(catcher.opened(),
                  answer == AddressCatcher::Answer::Missing ? QList<QUrl>{} : QList<QUrl>{address});
        // Like a detached program, the opener and its browser do not end with the game's
        // terminal.
        EXPECT_EQ(catcher.sessions().size(), catcher.opened().size());
        for (const qint64 session : catcher.sessions()) {
            EXPECT_NE(session, ::getsid(0));
        }
    }

    AddressCatcher slow(AddressCatcher::Answer::Hold);
    answers.clear();
    ask();
    ASSERT_TRUE(slow.waitForOpened(1));
    QCoreApplication::processEvents();
    EXPECT_TRUE(answers.isEmpty()) << "an opener that has started has not answered yet";
    ASSERT_TRUE(slow.answer(AddressCatcher::Answer::Refuse));
    ASSERT_TRUE(WaitUntil([&] { return !answers.isEmpty(); }));
    EXPECT_EQ(answers, QList<bool>{false});
}

// A program that ends while its opener still waits for a browser.
int runEndWhileOpeningChild() {
    const veltrane::test_support::AddressCatcher slow(
        veltrane::test_support::AddressCatcher::Answer::Hold);
    int argc = 1;
    char name[] = "opener";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    OpenAddress(QUrl(QStringLiteral("https://example.org/")), &app,
                [](bool) { std::fputs("answered", stdout); });
    return slow.waitForOpened(1) ? 0 : 1;
}

TEST(WebLink, TheProgramEndsAtOnceAndQuietlyWhileAnOpenerRuns) {
    const auto child =
        veltrane::test_support::RunThisProgram({QStringLiteral("--end-while-opening")});
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(child.exitCode, 0);
    EXPECT_EQ(child.output.toStdString(), "");
    EXPECT_EQ(child.errors.toStdString(), "");
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = veltrane::test_support::RunChildIfAsked(
            argc, argv,
            {{"--guard-child", [](int, char**) { return runGuardChild(); }},
             {"--end-while-opening", [](int, char**) { return runEndWhileOpeningChild(); }}})) {
        return *status;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
