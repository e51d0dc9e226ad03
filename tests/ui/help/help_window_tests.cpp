// The help window on the offscreen platform: its layout, its two pages read afresh from real
// files beside the program, the keyboard, the read-only text, bad help files, and the web link
// captured as the desktop would receive it.

#include "expected_layout.h"
#include "help/frm_help.h"
#include "platform/program_folder.h"
#include "qt_test_support.h"
#include "veltrane_config.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <sys/stat.h>

using veltrane::GameState;
using veltrane::help::DecodeWindows1252;
using veltrane::test_support::WaitUntil;
namespace expected = veltrane::expected;

namespace {

const QByteArray kRules("Rules of the game\r\n\r\nDeal, then build.\r\n");
const QByteArray kAbout("About the game\r\nVisit us.\r\n");

QString helpPath(const QString& name) {
    return veltrane::platform::ProgramFolder() + QLatin1Char('/') + name;
}

void writeHelp(const QString& name, const QByteArray& bytes) {
    QFile file(helpPath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Whatever a test left under a help file's name: a file, a folder or a pipe.
void removeHelp(const QString& name) {
    const QString path = helpPath(name);
    if (QFileInfo(path).isDir()) {
        QDir(path).removeRecursively();
    } else {
        QFile::remove(path);
    }
}

// Answers every message box that opens with OK and keeps its text.
class MessageBoxes {
  public:
    QStringList texts;

  private:
    veltrane::test_support::ModalAnswerer answerer_{[this](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return false;
        }
        texts.append(box->text());
        box->buttons().front()->click();
        return true;
    }};
};

// Notes each change of a window's activation as "active" or "inactive".
class ActivationWatch : public QObject {
  public:
    explicit ActivationWatch(QStringList* seen) : seen_(seen) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ActivationChange) {
            seen_->append(static_cast<QWidget*>(watched)->isActiveWindow()
                              ? QStringLiteral("active")
                              : QStringLiteral("inactive"));
        }
        return false;
    }

  private:
    QStringList* seen_;
};

class HelpWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        TearDown();
        writeHelp(QStringLiteral("rules.txt"), kRules);
        writeHelp(QStringLiteral("orvik.txt"), kAbout);
    }
    void TearDown() override {
        delete window;
        removeHelp(QStringLiteral("rules.txt"));
        removeHelp(QStringLiteral("orvik.txt"));
    }

    // Opens the window as the Help menu does, but without waiting for it to close.
    frm_help* open(veltrane::Int16 topic, bool waitActive = true) {
        state.HelpTopic = topic;
        window = new frm_help(state);
        window->show();
        if (waitActive) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }

    template <typename T> T* child(const char* name) const {
        T* found = window->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QPlainTextEdit* text() const { return child<QPlainTextEdit>("txt_help"); }
    QPushButton* button(int index) const {
        return child<QPushButton>(QStringLiteral("btn_help_%1").arg(index).toLatin1().constData());
    }
    // The page as the player sees it, recognised by its pictures as well as by its text.
    bool onRulesPage() const {
        return !child<QLabel>("img_help2")->isHidden() && child<QLabel>("img_logo")->isHidden() &&
               child<QLabel>("lbl_url")->isHidden();
    }
    bool onAboutPage() const {
        return child<QLabel>("img_help2")->isHidden() && !child<QLabel>("img_logo")->isHidden() &&
               !child<QLabel>("lbl_url")->isHidden();
    }
    QString shown() const { return text()->toPlainText(); }

    GameState state;
    QPointer<frm_help> window;
};

TEST_F(HelpWindow, EachOpeningStartsOnThePageTheMenuChose) {
    // About, switched to Rules and closed; then About again; then Rules.
    struct Opening {
        veltrane::Int16 topic;
        QString text;
        bool about;
    };
    QList<Opening> seen;
    const veltrane::test_support::ModalAnswerer driver([&](QWidget* modal) {
        auto* help = qobject_cast<frm_help*>(modal);
        if (help == nullptr || !help->isActiveWindow() || help->helpText().isEmpty()) {
            return false;
        }
        window = help;
        seen.append({state.HelpTopic, help->helpText(), onAboutPage()});
        if (seen.size() == 1) {
            button(0)->click();
            EXPECT_EQ(help->helpText(), QString::fromLatin1(kRules));
        }
        button(4)->click();
        return true;
    });

    for (const veltrane::Int16 topic : std::initializer_list<veltrane::Int16>{1, 1, 0}) {
        state.HelpTopic = topic;
        frm_help::ShowModal(state, nullptr);
        EXPECT_TRUE(window.isNull()) << "the window is deleted when it closes";
    }
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0].text, QString::fromLatin1(kAbout));
    EXPECT_TRUE(seen[0].about);
    EXPECT_EQ(seen[1].text, QString::fromLatin1(kAbout));
    EXPECT_TRUE(seen[1].about);
    EXPECT_EQ(seen[2].text, QString::fromLatin1(kRules));
    EXPECT_FALSE(seen[2].about);
}

TEST_F(HelpWindow, IsLaidOutAtItsFixedPixelPositions) {
    open(0);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Veltrane - Help"));
    EXPECT_EQ(window->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_FALSE(window->windowFlags() &
                 (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->size(), QSize(expected::kHelp.clientWidth, expected::kHelp.clientHeight));
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "not resizable";
    EXPECT_EQ(window->pos(), veltrane::test_support::CentredPosition(expected::kHelp, window));

    EXPECT_EQ(text()->geometry(), QRect(5, 8, 281, 292));
    EXPECT_EQ(button(0)->geometry(), QRect(300, 214, 127, 23));
    EXPECT_EQ(button(5)->geometry(), QRect(300, 243, 127, 23));
    EXPECT_EQ(button(4)->geometry(), QRect(300, 270, 127, 23));
    EXPECT_EQ(button(0)->text(), QStringLiteral("Rules"));
    EXPECT_EQ(button(5)->text(), QStringLiteral("About"));
    EXPECT_EQ(button(4)->text(), QStringLiteral("OK"));
    EXPECT_EQ(child<QLabel>("img_help2")->geometry(), QRect(308, 25, 104, 148));
    EXPECT_EQ(child<QLabel>("img_logo")->geometry(), QRect(295, 58, 140, 102));
    EXPECT_EQ(child<QLabel>("lbl_url")->geometry(), QRect(315, 162, 93, 18));
    EXPECT_EQ(child<QLabel>("lbl_splash")->geometry(), QRect(1, 1, 0, 0));
    EXPECT_TRUE(child<QLabel>("lbl_splash")->isHidden());
}

TEST_F(HelpWindow, PicturesSitUnscaledInsideTwoPixelBorders) {
    open(1);
    const auto* logo = child<QLabel>("img_logo");
    EXPECT_EQ(logo->pixmap().deviceIndependentSize().toSize(), QSize(136, 98));
    EXPECT_EQ(logo->contentsRect(), QRect(2, 2, 136, 98));
    const auto* title = child<QLabel>("img_help2");
    EXPECT_EQ(title->pixmap().deviceIndependentSize().toSize(), QSize(100, 147));
    // The box is three rows shorter than the picture, which is cut off, not squeezed.
    EXPECT_EQ(title->contentsRect(), QRect(2, 2, 100, 144));
    EXPECT_FALSE(title->hasScaledContents());
}

TEST_F(HelpWindow, ThePagesShowTheirFilesAndPicturesAndReReadAtEverySwitch) {
    open(0);
    EXPECT_TRUE(onRulesPage());
    EXPECT_EQ(window->helpText(), QString::fromLatin1(kRules));
    for (const int index : {0, 5, 4}) {
        EXPECT_FALSE(button(index)->isHidden());
    }

    button(5)->click();
    EXPECT_TRUE(onAboutPage());
    EXPECT_EQ(window->helpText(), QString::fromLatin1(kAbout));

    writeHelp(QStringLiteral("rules.txt"), "Edited rules\r\n");
    button(0)->click();
    EXPECT_TRUE(onRulesPage());
    EXPECT_EQ(window->helpText(), QStringLiteral("Edited rules\r\n"));

    // The page showing is read again as well.
    writeHelp(QStringLiteral("rules.txt"), "Edited twice\r\n");
    button(0)->click();
    EXPECT_EQ(window->helpText(), QStringLiteral("Edited twice\r\n"));

    writeHelp(QStringLiteral("orvik.txt"), QByteArray());
    button(5)->click();
    EXPECT_TRUE(onAboutPage());
    EXPECT_TRUE(shown().isEmpty());
}

TEST_F(HelpWindow, ShowsTheTextExactlyAsStored) {
    QByteArray high;
    for (int b = 0x80; b <= 0xFF; ++b) {
        high.append(static_cast<char>(b));
    }
    const QByteArray stored = "  leading blanks\r\n\r\n<b>not markup</b> &amp;\r\n" + high +
                              "\r\ntrailing blanks   \r\n\r\nno final break  ";
    writeHelp(QStringLiteral("rules.txt"), stored);
    open(0);
    EXPECT_EQ(window->helpText(), DecodeWindows1252(stored));
    // One line per CR LF, the blank lines kept, no CR left over and nothing interpreted.
    QStringList lines = DecodeWindows1252(stored).split(QStringLiteral("\r\n"));
    EXPECT_EQ(text()->document()->blockCount(), lines.size());
    EXPECT_EQ(text()->document()->toRawText(), lines.join(QChar::ParagraphSeparator));
    EXPECT_EQ(text()->document()->findBlockByNumber(3).text(), DecodeWindows1252(high));

    writeHelp(QStringLiteral("orvik.txt"), "last line\r\n");
    button(5)->click();
    EXPECT_EQ(text()->document()->blockCount(), 2) << "a final CR LF gives a last, empty line";
    EXPECT_EQ(shown(), QStringLiteral("last line\n"));
}

TEST_F(HelpWindow, KeyboardStartsOnOkTabsInOrderAndEscClosesAsOkDoes) {
    open(0);
    EXPECT_EQ(QApplication::focusWidget(), button(4));
    std::vector<QWidget*> order;
    for (int i = 0; i < 4; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(order, (std::vector<QWidget*>{button(5), button(0), text(), button(4)}));

    // From the text box too, where the focus is on no button.
    text()->setFocus();
    QTest::keyClick(text(), Qt::Key_Escape);
    EXPECT_TRUE(WaitUntil([this] { return window.isNull(); })) << "Esc left Help open";
}

TEST_F(HelpWindow, EnterActsOnlyOnTheFocusedButton) {
    open(0);
    // Enter in the text box presses nothing, not even "OK".
    text()->setFocus();
    QTest::keyClick(text(), Qt::Key_Return);
    QTest::keyClick(text(), Qt::Key_Enter);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(onRulesPage());

    button(5)->setFocus();
    QTest::keyClick(button(5), Qt::Key_Return);
    EXPECT_TRUE(onAboutPage());
    EXPECT_EQ(QApplication::focusWidget(), button(5)) << "the focus stays where it was";

    button(0)->setFocus();
    QTest::keyClick(button(0), Qt::Key_Enter);
    EXPECT_TRUE(onRulesPage());

    button(4)->setFocus();
    QTest::keyClick(button(4), Qt::Key_Return);
    EXPECT_TRUE(WaitUntil([this] { return window.isNull(); }));
}

TEST_F(HelpWindow, TheTextCanBeReadScrolledAndCopiedButNotChanged) {
    QByteArray longText;
    for (int i = 0; i < 200; ++i) {
        longText += "Line " + QByteArray::number(i) + "\r\n";
    }
    longText += QByteArray(400, 'x') + "\r\n";
    writeHelp(QStringLiteral("rules.txt"), longText);
    open(0);
    const QString before = shown();
    EXPECT_EQ(text()->verticalScrollBar()->value(), 0) << "a new page shows from its beginning";

    text()->setFocus();
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::keyClicks(text(), QStringLiteral("typed"));
    for (const auto key : {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Tab}) {
        text()->setFocus();
        QTest::keyClick(text(), key);
    }
    text()->setFocus();
    QTest::keyClick(text(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text(), Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(shown(), before);
    EXPECT_TRUE(text()->isReadOnly());

    text()->setFocus();
    QTest::keyClick(text(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), before);

    EXPECT_TRUE(text()->verticalScrollBar()->isVisible());
    EXPECT_GT(text()->verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(text()->horizontalScrollBar()->isVisible());
    text()->verticalScrollBar()->setValue(text()->verticalScrollBar()->maximum());
    QApplication::processEvents();
    const QTextBlock wide = text()->document()->findBlockByNumber(200);
    ASSERT_NE(wide.layout(), nullptr);
    EXPECT_GT(wide.layout()->lineCount(), 1) << "a long line wraps";
}

TEST_F(HelpWindow, AMissingFileGivesAnEmptyPageAndIsLeftBehindEmpty) {
    removeHelp(QStringLiteral("orvik.txt"));
    MessageBoxes boxes;
    open(1);
    EXPECT_TRUE(onAboutPage());
    EXPECT_TRUE(shown().isEmpty());
    const QFileInfo created(helpPath(QStringLiteral("orvik.txt")));
    EXPECT_TRUE(created.isFile());
    EXPECT_EQ(created.size(), 0);
    EXPECT_TRUE(boxes.texts.isEmpty());
}

TEST_F(HelpWindow, AnUnreadableFileNamesItselfAndTheWindowCarriesOn) {
    removeHelp(QStringLiteral("orvik.txt"));
    ASSERT_TRUE(QDir(veltrane::platform::ProgramFolder()).mkdir(QStringLiteral("orvik.txt")));
    removeHelp(QStringLiteral("rules.txt"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(helpPath(QStringLiteral("rules.txt"))).constData(), 0644),
              0);
    MessageBoxes boxes;

    // The message comes once the window has become active, and takes the focus from it.
    open(1, false);
    ASSERT_TRUE(WaitUntil([&] { return boxes.texts.size() == 1; }));
    EXPECT_EQ(boxes.texts.back(), QStringLiteral("Cannot read orvik.txt: Is a directory"));
    EXPECT_TRUE(shown().isEmpty());
    EXPECT_TRUE(onAboutPage());

    button(0)->click();
    ASSERT_TRUE(WaitUntil([&] { return boxes.texts.size() == 2; }));
    EXPECT_EQ(boxes.texts.back(), QStringLiteral("Cannot read rules.txt: Not a regular file"));
    EXPECT_TRUE(onRulesPage());

    removeHelp(QStringLiteral("orvik.txt"));
    QFile big(helpPath(QStringLiteral("orvik.txt")));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(veltrane::help::kMaxHelpFileBytes + 1));
    big.close();
    button(5)->click();
    ASSERT_TRUE(WaitUntil([&] { return boxes.texts.size() == 3; }));
    EXPECT_EQ(boxes.texts.back(), QStringLiteral("Cannot read orvik.txt: File too large"));
    EXPECT_TRUE(shown().isEmpty());

    // Still usable: a good file shows, and "OK" closes.
    removeHelp(QStringLiteral("rules.txt"));
    writeHelp(QStringLiteral("rules.txt"), kRules);
    button(0)->click();
    EXPECT_EQ(window->helpText(), QString::fromLatin1(kRules));
    button(4)->click();
    EXPECT_TRUE(WaitUntil([this] { return window.isNull(); }));
    EXPECT_EQ(boxes.texts.size(), 3);
}

// The message waits until the event that asked for the page has been handled: the window has
// heard that it became active before the box takes the focus from it, and each box comes over
// the page its event finished.
TEST_F(HelpWindow, AMessageAboutTheFileComesOverTheFinishedPageAfterItsEvent) {
    removeHelp(QStringLiteral("orvik.txt"));
    ASSERT_TRUE(QDir(veltrane::platform::ProgramFolder()).mkdir(QStringLiteral("orvik.txt")));
    removeHelp(QStringLiteral("rules.txt"));
    ASSERT_TRUE(QDir(veltrane::platform::ProgramFolder()).mkdir(QStringLiteral("rules.txt")));
    // The window's changes of activation and what the page shows when each message appears.
    QStringList seen;
    const veltrane::test_support::ModalAnswerer answer([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box == nullptr) {
            return false;
        }
        seen.append(onAboutPage()   ? QStringLiteral("box over About")
                    : onRulesPage() ? QStringLiteral("box over Rules")
                                    : QStringLiteral("box over neither"));
        box->buttons().front()->click();
        return true;
    });
    ActivationWatch watch(&seen);

    state.HelpTopic = 1;
    window = new frm_help(state);
    window->installEventFilter(&watch);
    window->show();
    ASSERT_TRUE(WaitUntil([&] { return seen.contains(QStringLiteral("box over About")); }));
    EXPECT_EQ(seen.front().toStdString(), "active") << seen.join(QLatin1String(", ")).toStdString();
    window->removeEventFilter(&watch);

    seen.clear();
    button(0)->click();
    ASSERT_TRUE(WaitUntil([&] { return seen.size() == 1; }));
    button(5)->click();
    ASSERT_TRUE(WaitUntil([&] { return seen.size() == 2; }));
    EXPECT_EQ(seen,
              (QStringList{QStringLiteral("box over Rules"), QStringLiteral("box over About")}));
}

TEST_F(HelpWindow, TheLinkShowsTheHostAndTheHandFromThePicture) {
    open(1);
    const auto* link = child<QLabel>("lbl_url");
    EXPECT_EQ(link->text(), QUrl(QStringLiteral(VELTRANE_WEB_ADDRESS)).host());
    EXPECT_FALSE(link->text().isEmpty());
    // The hot spot is the fingertip recorded in the cursor picture, not the picture's middle.
    EXPECT_EQ(link->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(link->cursor().hotSpot(), QPoint(12, 9));
    EXPECT_EQ(link->cursor().pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
}

TEST_F(HelpWindow, EveryLeftClickOnTheLinkOpensTheAddressOnce) {
    using veltrane::test_support::AddressCatcher;
    const QUrl address(QStringLiteral(VELTRANE_WEB_ADDRESS));
    AddressCatcher catcher(AddressCatcher::Answer::Open);
    MessageBoxes boxes;
    open(1);
    auto* link = child<QLabel>("lbl_url");

    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_TRUE(catcher.waitForOpened(1));
    EXPECT_EQ(catcher.opened(), QList<QUrl>{address});

    // Not a click on the link: another button, or a press carried off the label. A click
    // after them is the second address handed over.
    QTest::mouseClick(link, Qt::RightButton);
    QTest::mousePress(link, Qt::LeftButton);
    QTest::mouseRelease(link, Qt::LeftButton, {}, QPoint(-20, -20));
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_TRUE(catcher.waitForOpened(2));

    // On the Rules page the link is hidden and takes no clicks.
    button(0)->click();
    EXPECT_TRUE(link->isHidden());
    QTest::mouseClick(window, Qt::LeftButton, {}, link->geometry().center());
    button(5)->click();
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_TRUE(catcher.waitForOpened(3));
    EXPECT_EQ(catcher.opened().size(), 3);
    EXPECT_TRUE(onAboutPage());
    EXPECT_TRUE(boxes.texts.isEmpty()) << "a browser took the address: nothing to say";
}

// The desktop's answer comes when its opener ends. Whether none is installed or none could reach
// a browser, the message comes over Help, which stays on its About page.
TEST_F(HelpWindow, ALinkNoBrowserCanOpenSaysSoOverHelp) {
    using veltrane::test_support::AddressCatcher;
    for (const auto answer : {AddressCatcher::Answer::Refuse, AddressCatcher::Answer::Missing}) {
        AddressCatcher catcher(answer);
        QStringList seen;
        const veltrane::test_support::ModalAnswerer boxes([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (box == nullptr) {
                return false;
            }
            seen.append(box->text());
            EXPECT_TRUE(window->isVisible() && onAboutPage());
            box->buttons().front()->click();
            return true;
        });
        open(0);
        button(5)->click();
        QTest::mouseClick(child<QLabel>("lbl_url"), Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return !seen.isEmpty(); }));
        EXPECT_EQ(seen, QStringList{QStringLiteral("oops, unable to link you there")});
        EXPECT_TRUE(onAboutPage());
        EXPECT_TRUE(window->isVisible());
        delete window;
    }
}

// A browser may take its time to start: Help answers meanwhile, and a refusal that comes after
// Help has closed is told to nobody.
TEST_F(HelpWindow, HelpGoesOnWhileTheBrowserStartsAndClosesWithoutWaitingForIt) {
    using veltrane::test_support::AddressCatcher;
    AddressCatcher catcher(AddressCatcher::Answer::Hold);
    MessageBoxes boxes;
    open(1);
    QTest::mouseClick(child<QLabel>("lbl_url"), Qt::LeftButton);
    ASSERT_TRUE(catcher.waitForOpened(1));
    button(0)->click();
    EXPECT_TRUE(onRulesPage());
    button(5)->click();
    EXPECT_TRUE(onAboutPage());
    EXPECT_TRUE(boxes.texts.isEmpty());
    ASSERT_TRUE(catcher.answer(AddressCatcher::Answer::Refuse));
    ASSERT_TRUE(WaitUntil([&] { return !boxes.texts.isEmpty(); }));

    QTest::mouseClick(child<QLabel>("lbl_url"), Qt::LeftButton);
    ASSERT_TRUE(catcher.waitForOpened(2));
    button(4)->click();
    ASSERT_TRUE(WaitUntil([this] { return window.isNull(); }));
    ASSERT_TRUE(catcher.answer(AddressCatcher::Answer::Refuse));
    // Once the game has heard the opener end, nothing of it is left, and no message came.
    EXPECT_TRUE(WaitUntil([] { return qApp->findChildren<QProcess*>().isEmpty(); }));
    QApplication::processEvents();
    EXPECT_EQ(boxes.texts.size(), 1);
}

} // namespace
