// The board window on a real (offscreen) screen: its size and place, the 22 places before and
// after a deal, the menu bar, clicks reaching the rules, and a run-time error ending the program.

#include "board/frm_board.h"
#include "board/place_description.h"
#include "board_places.h"
#include "expected_layout.h"
#include "game/cards.h"
#include "game/random_source.h"
#include "picture_compare.h"
#include "platform/error_guard.h"
#include "platform/pictures.h"
#include "platform/translations.h"
#include "qt_test_support.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QtMath>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <vector>

using namespace veltrane;
using veltrane::board::BoardPlace;

namespace {

namespace expected = veltrane::expected;

QRect placeAt(expected::Spot spot, int width) {
    return {spot.left, spot.top, width, expected::kCardHeight};
}

// The tableau after Deal from the unshuffled deck: the aces lead it, so slots 5 to 13 hold the
// five to the king of spades, slot 14 the two of spades that the ace of diamonds changed places
// with, and slots 15 to 20 the two to the seven of diamonds.
const std::array<int, 16> kUnshuffledTableau = {5,  6, 7,  8,  9,  10, 11, 12,
                                                13, 2, 15, 16, 17, 18, 19, 20};

// What a screen reader reads as a place's description.
QString Spoken(QWidget* place) {
    return QAccessible::queryAccessibleInterface(place)->text(QAccessible::Description);
}

// A loaded, shown board over the unshuffled deck (every draw 0), or over a seeded game.
class Board : public ::testing::Test {
  protected:
    explicit Board(std::unique_ptr<RandomSource> random =
                       std::make_unique<SequenceRandomSource>(std::vector<float>{0.0F}))
        : random_(std::move(random)), game_(*random_), board_(game_) {
        board_.Form_Load();
        board_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&board_));
    }

    void click(QWidget* place, QPoint at = {}) { QTest::mouseClick(place, Qt::LeftButton, {}, at); }

    void deal() { board_.findChild<QAction*>(QStringLiteral("mnu_deal"))->trigger(); }

    std::unique_ptr<RandomSource> random_;
    Game game_;
    frm_board board_;
};

class ShuffledBoard : public Board {
  protected:
    ShuffledBoard() : Board(std::make_unique<SeededRandomSource>(1)) {}
};

TEST_F(Board, IsCaptionedFixedAndCentredWithItsClientAreaBelowTheMenuBar) {
    EXPECT_EQ(board_.windowTitle(), QStringLiteral("Veltrane Solitaire"));
    EXPECT_FALSE(board_.windowIcon().isNull());
    EXPECT_TRUE(board_.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(board_.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(board_.minimumSize(), board_.maximumSize());
    EXPECT_FALSE(board_.menuBar()->isNativeMenuBar());

    EXPECT_EQ(board_.centralWidget()->size(),
              QSize(expected::kBoard.clientWidth, expected::kBoard.clientHeight));
    EXPECT_EQ(board_.centralWidget()->y(), board_.menuBar()->geometry().bottom() + 1);
    EXPECT_EQ(board_.centralWidget()->palette().color(QPalette::Window), QColor(Qt::white));

    EXPECT_EQ(board_.pos(), test_support::CentredPosition(expected::kBoard, &board_));
}

TEST_F(Board, LaysOutEveryPlaceAndADealSizesTheSlotsToTheirCards) {
    for (Int16 i = 5; i <= 20; ++i) {
        EXPECT_EQ(board_.img_cards(i)->geometry(), placeAt(expected::slot(i), expected::kLoadWidth))
            << i;
        EXPECT_TRUE(board_.img_cards(i)->picture().isNone());
    }
    for (Int16 i = 1; i <= 4; ++i) {
        // The aces are laid at load, so the foundations already hold a picture.
        EXPECT_EQ(board_.img_ace(i)->geometry(),
                  placeAt(expected::foundation(i), expected::kCardWidth))
            << i;
    }
    EXPECT_EQ(board_.img_deck()->geometry(), placeAt(expected::kStock, expected::kCardWidth));
    EXPECT_EQ(board_.img_dealt()->geometry(), placeAt(expected::kWaste, expected::kCardWidth));
    EXPECT_EQ(board_.img_deck()->picture(), Picture::card(0));
    EXPECT_EQ(board_.img_dealt()->picture(), img_blank);

    deal();
    const QRect client = board_.centralWidget()->rect();
    for (Int16 i = 5; i <= 20; ++i) {
        EXPECT_EQ(board_.img_cards(i)->geometry(), placeAt(expected::slot(i), expected::kCardWidth))
            << i;
        EXPECT_EQ(board_.img_cards(i)->picture(),
                  Picture::card(kUnshuffledTableau.at(static_cast<std::size_t>(i - 5))))
            << i;
    }
    const std::vector<BoardPlace*> places = test_support::AllPlaces(board_);
    for (std::size_t a = 0; a < places.size(); ++a) {
        EXPECT_TRUE(client.contains(places[a]->geometry()))
            << places[a]->objectName().toStdString();
        for (std::size_t b = a + 1; b < places.size(); ++b) {
            EXPECT_FALSE(places[a]->geometry().intersects(places[b]->geometry()))
                << places[a]->objectName().toStdString() << " "
                << places[b]->objectName().toStdString();
        }
    }
}

TEST_F(Board, ShowsTheStoredPicturesAtTheirOwnSizeOnWhite) {
    deal();
    board::PictureStore store;
    const qreal dpr = board_.devicePixelRatioF();
    for (BoardPlace* place : {board_.img_cards(5), board_.img_cards(20), board_.img_ace(3),
                              board_.img_deck(), board_.img_dealt()}) {
        const QImage shown = place->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage expected(shown.size(), QImage::Format_RGB32);
        expected.setDevicePixelRatio(shown.devicePixelRatio());
        expected.fill(Qt::white);
        {
            QPainter painter(&expected);
            painter.drawPixmap(0, 0, store.pixmap(place->picture(), dpr));
        }
        EXPECT_TRUE(test::PicturesMatch(shown, expected)) << place->objectName().toStdString();
    }
}

TEST_F(Board, HasTheFileAndHelpMenusWithTheirAccessKeys) {
    const QList<QAction*> menus = board_.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), QStringLiteral("&File"));
    EXPECT_EQ(menus[1]->text(), QStringLiteral("&Help"));

    const auto texts = [](QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions()) {
            out << (a->isSeparator() ? QStringLiteral("-") : a->text());
        }
        return out;
    };
    EXPECT_EQ(texts(menus[0]->menu()),
              (QStringList{QStringLiteral("&Deal"), QStringLiteral("-"), QStringLiteral("&Exit")}));
    EXPECT_EQ(texts(menus[1]->menu()), (QStringList{QStringLiteral("&Rules"), QStringLiteral("-"),
                                                    QStringLiteral("&About...")}));
    for (const char* name : {"mnu_deal", "mnu_exit"}) {
        EXPECT_TRUE(board_.findChild<QAction*>(QLatin1String(name))->isEnabled()) << name;
    }
}

TEST_F(ShuffledBoard, DealFillsTheSixteenSlotsAndDealsANewGameEachTime) {
    deal();
    std::vector<Picture> first;
    for (Int16 i = 5; i <= 20; ++i) {
        first.push_back(board_.img_cards(i)->picture());
    }
    deal();
    std::vector<Picture> second;
    for (Int16 i = 5; i <= 20; ++i) {
        // The window mirrors the rules' board.
        EXPECT_EQ(board_.img_cards(i)->picture(), game_.board().img_cards(i).Picture);
        second.push_back(board_.img_cards(i)->picture());
    }
    EXPECT_NE(first, second);
    EXPECT_EQ(game_.state().AwaitingDeal, VbFalse);
}

TEST_F(Board, ClicksReachTheirPlaceAndTheFrameAppearsAndGoes) {
    deal();
    for (Int16 i = 5; i <= 20; ++i) {
        BoardPlace* slot = board_.img_cards(i);
        click(slot);
        EXPECT_TRUE(slot->framed()) << i;
        EXPECT_EQ(game_.state().CardPicked, 1);
        EXPECT_TRUE(Spoken(slot).endsWith(QStringLiteral(", selected")));
        // The two pixels beyond the load width belong to the card.
        click(slot, QPoint(71, 50));
        EXPECT_FALSE(slot->framed()) << i;
        EXPECT_EQ(game_.state().CardPicked, 0);
    }

    // The first stock card of the unshuffled deck: the eight of diamonds.
    click(board_.img_deck());
    EXPECT_EQ(board_.img_dealt()->picture(), Picture::card(21));
    click(board_.img_dealt());
    EXPECT_TRUE(board_.img_dealt()->framed());
    click(board_.img_dealt());
    EXPECT_FALSE(board_.img_dealt()->framed());
}

// The board's client area as drawn, read at window pixels whatever the device pixel ratio.
class DrawnBoard {
  public:
    explicit DrawnBoard(QWidget* client) : image_(client->grab().toImage()) {}
    QColor at(int x, int y) const {
        const qreal r = image_.devicePixelRatio();
        return image_.pixelColor(qFloor(x * r), qFloor(y * r));
    }
    // Every pixel of the rectangle's one-pixel outline is dark, give or take a rounding step.
    bool outlined(const QRect& rect) const {
        bool dark = true;
        for (int x = rect.left(); x <= rect.right(); ++x) {
            dark =
                dark && at(x, rect.top()).lightness() < 40 && at(x, rect.bottom()).lightness() < 40;
        }
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            dark =
                dark && at(rect.left(), y).lightness() < 40 && at(rect.right(), y).lightness() < 40;
        }
        return dark;
    }
    bool white(const QRect& rect) const {
        for (int y = rect.top(); y <= rect.bottom(); ++y) {
            for (int x = rect.left(); x <= rect.right(); ++x) {
                if (at(x, y).lightness() < 250) {
                    return false;
                }
            }
        }
        return true;
    }

  private:
    QImage image_;
};

TEST_F(Board, BeforeTheFirstDealAClickedSlotIsDrawnFramedAtItsLoadSize) {
    // Slot 5 keeps its load size of 70 x 100 until a card is put into it.
    const QRect slot5 = placeAt(expected::slot(5), expected::kLoadWidth);
    const QRect slot6 = placeAt(expected::slot(6), expected::kLoadWidth);
    QWidget* client = board_.centralWidget();
    const QPoint middle = board_.img_cards(5)->mapTo(&board_, QPoint(35, 50));
    QTest::mouseClick(board_.windowHandle(), Qt::LeftButton, {}, middle);
    ASSERT_EQ(game_.state().CardPicked, 1);
    {
        const DrawnBoard drawn(client);
        EXPECT_TRUE(drawn.outlined(slot5));
        EXPECT_TRUE(drawn.white(slot5.adjusted(1, 1, -1, -1)));
        EXPECT_TRUE(drawn.white(slot6));
    }
    QTest::mouseClick(board_.windowHandle(), Qt::LeftButton, {}, middle);
    ASSERT_EQ(game_.state().CardPicked, 0);
    EXPECT_TRUE(DrawnBoard(client).white(slot5));
}

// The focus frame: a blue band a few pixels inside both sides of the place, all the way down.
// A mouse player never sees it, and no card has such a band.
bool FocusBlueIn(const DrawnBoard& drawn, const QRect& place) {
    auto blue = [&](int x, int y) {
        const QColor c = drawn.at(x, y);
        return c.blue() > 150 && c.red() < 80 && c.green() < 140;
    };
    for (int y = place.top() + 8; y <= place.bottom() - 8; ++y) {
        if (!(blue(place.left() + 3, y) || blue(place.left() + 4, y)) ||
            !(blue(place.right() - 3, y) || blue(place.right() - 4, y))) {
            return false;
        }
    }
    return true;
}

TEST_F(Board, TheKeysGoInReadingOrderAndByDirectionAndStopAtTheEdges) {
    board_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board_));
    board_.img_cards(12)->setFocus();
    deal();
    // Where the focus starts after a deal: Spades slot 1.
    EXPECT_EQ(QApplication::focusWidget(), board_.img_cards(5));
    const std::vector<BoardPlace*> order = test_support::AllPlaces(board_);
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i]->setFocus();
        QTest::keyClick(order[i], Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), order[(i + 1) % order.size()]) << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::focusWidget(), order[i]) << i;
    }

    auto from = [](BoardPlace* place, Qt::Key key) {
        place->setFocus();
        QTest::keyClick(place, key);
        return QApplication::focusWidget();
    };
    BoardPlace* slot1 = board_.img_cards(5);
    EXPECT_EQ(from(slot1, Qt::Key_Right), board_.img_cards(6));
    EXPECT_EQ(from(slot1, Qt::Key_Down), board_.img_cards(7));
    EXPECT_EQ(from(slot1, Qt::Key_Left), slot1) << "the left edge";
    EXPECT_EQ(from(slot1, Qt::Key_Up), slot1) << "the top edge";
    EXPECT_EQ(from(board_.img_cards(20), Qt::Key_Right), board_.img_cards(20));
    EXPECT_EQ(from(board_.img_cards(20), Qt::Key_Down), board_.img_cards(20));
    EXPECT_EQ(from(board_.img_deck(), Qt::Key_Right), board_.img_dealt());
    EXPECT_EQ(from(board_.img_dealt(), Qt::Key_Left), board_.img_deck());
    // Nearest ahead, sideways counting double: from Spades slot 4 the stock, not the far slot
    // straight across.
    EXPECT_EQ(from(board_.img_cards(8), Qt::Key_Right), board_.img_deck());
    EXPECT_EQ(from(board_.img_cards(16), Qt::Key_Down), board_.img_cards(16));

    // Space and Return are the click: pick, put back; a key held down clicks once.
    QTest::keyClick(slot1, Qt::Key_Space);
    EXPECT_TRUE(slot1->framed());
    QTest::keyClick(slot1, Qt::Key_Return);
    EXPECT_FALSE(slot1->framed());
    QTest::keyPress(slot1, Qt::Key_Space);
    EXPECT_TRUE(slot1->framed());
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(slot1, &repeat);
    EXPECT_TRUE(slot1->framed()) << "an auto-repeated Space clicked again";
    QTest::keyRelease(slot1, Qt::Key_Space);
}

// Every place is reached by the arrows from Spades slot 1; each arrow goes the way it points
// on the board, and where it moves at all, the opposite arrow comes back.
TEST_F(Board, TheArrowsReachEveryPlaceAndTheOppositeArrowComesBack) {
    board_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board_));
    auto press = [](BoardPlace* place, Qt::Key key) {
        place->setFocus();
        QTest::keyClick(place, key);
        return qobject_cast<BoardPlace*>(QApplication::focusWidget());
    };
    const std::array<std::pair<Qt::Key, QPoint>, 4> arrows = {{{Qt::Key_Left, {-1, 0}},
                                                               {Qt::Key_Right, {1, 0}},
                                                               {Qt::Key_Up, {0, -1}},
                                                               {Qt::Key_Down, {0, 1}}}};
    std::set<BoardPlace*> reached = {board_.img_cards(5)};
    std::vector<BoardPlace*> next = {board_.img_cards(5)};
    while (!next.empty()) {
        BoardPlace* from = next.back();
        next.pop_back();
        for (std::size_t a = 0; a < arrows.size(); ++a) {
            const auto [key, way] = arrows.at(a);
            BoardPlace* to = press(from, key);
            ASSERT_NE(to, nullptr);
            if (to == from) {
                continue; // the edge keeps the focus
            }
            const QPoint moved = to->geometry().center() - from->geometry().center();
            const std::string what =
                from->objectName().toStdString() + " to " + to->objectName().toStdString();
            EXPECT_GT(QPoint::dotProduct(moved, way), 0) << what;
            EXPECT_EQ(press(to, arrows.at(a ^ 1).first), from) << what << " and back";
            if (reached.insert(to).second) {
                next.push_back(to);
            }
        }
    }
    EXPECT_EQ(reached.size(), test_support::AllPlaces(board_).size());
}

TEST_F(Board, TheFocusFrameShowsAfterAKeyAndGoesWithAClick) {
    board_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board_));
    deal();
    QWidget* client = board_.centralWidget();
    const QRect slot1 = placeAt(expected::slot(5), expected::kCardWidth);
    const QRect slot2 = placeAt(expected::slot(6), expected::kCardWidth);

    // Mouse play: the clicked place has the focus and draws exactly as with no focus at all.
    click(board_.img_cards(5));
    ASSERT_TRUE(board_.img_cards(5)->hasFocus());
    const QImage byMouse = client->grab().toImage();
    client->setFocus();
    const test::PictureDifference same = test::ComparePictures(byMouse, client->grab().toImage());
    EXPECT_TRUE(same.withinTolerance()) << same.pixelsOff << " pixels off";
    EXPECT_FALSE(FocusBlueIn(DrawnBoard(client), slot1));

    // A key shows it where the focus goes; on the picked card both frames show.
    board_.img_cards(5)->setFocus();
    QTest::keyClick(board_.img_cards(5), Qt::Key_Tab);
    EXPECT_TRUE(FocusBlueIn(DrawnBoard(client), slot2));
    EXPECT_FALSE(FocusBlueIn(DrawnBoard(client), slot1));
    QTest::keyClick(board_.img_cards(6), Qt::Key_Backtab, Qt::ShiftModifier);
    {
        const DrawnBoard drawn(client);
        EXPECT_TRUE(FocusBlueIn(drawn, slot1));
        EXPECT_TRUE(drawn.outlined(slot1)) << "the selection frame under the focus frame";
        EXPECT_FALSE(FocusBlueIn(drawn, slot2));
    }

    // A click anywhere on the board hides it again.
    click(board_.img_cards(7));
    const DrawnBoard afterClick(client);
    for (BoardPlace* place : test_support::AllPlaces(board_)) {
        EXPECT_FALSE(FocusBlueIn(afterClick, place->geometry()))
            << place->objectName().toStdString();
    }
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(300, 20));
    QTest::keyClick(board_.img_cards(7), Qt::Key_Tab);
    EXPECT_TRUE(board_.focusFrameShown());
    QTest::mouseClick(client, Qt::LeftButton, {}, QPoint(300, 20));
    EXPECT_FALSE(board_.focusFrameShown()) << "a click beside the places";
}

TEST_F(Board, AClickOnAFoundationMovesThePickedCardOntoIt) {
    // The two of spades lies in slot 14, of the hearts group, and goes onto foundation 1.
    deal();
    click(board_.img_cards(14));
    click(board_.img_ace(1));
    EXPECT_EQ(board_.img_ace(1)->picture(), Picture::card(2));
    EXPECT_EQ(board_.img_cards(14)->picture(), img_blankHearts);
    EXPECT_FALSE(board_.img_cards(14)->framed());
    EXPECT_EQ(Spoken(board_.img_ace(1)), QStringLiteral("two of spades"));
    EXPECT_EQ(Spoken(board_.img_cards(14)), QStringLiteral("empty hearts slot"));
}

TEST_F(Board, ADoubleClickDeliversOneClick) {
    deal();
    BoardPlace* slot = board_.img_cards(9);
    const QPoint at = slot->mapTo(&board_, slot->rect().center());
    // Through the window, as the window system delivers it: press, release, press, double
    // click, release.
    QTest::mouseDClick(board_.windowHandle(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(board_.windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(slot->framed());
}

TEST_F(Board, APressThatEndsOutsideThePlaceIsNoClick) {
    deal();
    BoardPlace* slot = board_.img_cards(5);
    QTest::mousePress(slot, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(slot, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseClick(slot, Qt::RightButton);
    EXPECT_FALSE(slot->framed());
}

TEST_F(Board, DescribesThePlacesForScreenReaders) {
    // Before the first deal every place says how a game starts; an empty slot is worded as it
    // will be once its card has gone.
    EXPECT_EQ(Spoken(board_.img_ace(1)),
              QStringLiteral("ace of spades, File > Deal starts a game"));
    EXPECT_EQ(Spoken(board_.img_cards(13)),
              QStringLiteral("empty hearts slot, File > Deal starts a game"));
    deal();
    EXPECT_EQ(Spoken(board_.img_dealt()), QStringLiteral("empty"));
    click(board_.img_deck());
    EXPECT_EQ(Spoken(board_.img_deck()), QStringLiteral("31 cards, first pass"));
    EXPECT_EQ(Spoken(board_.img_dealt()), QStringLiteral("eight of diamonds"));
    // Run through: the first pass ends on Click Here, the second is said, the last ends the stock.
    for (int turn = 0; turn < 31; ++turn) {
        click(board_.img_deck());
    }
    EXPECT_EQ(Spoken(board_.img_deck()), QStringLiteral("Click Here to turn the waste over"));
    click(board_.img_deck());
    EXPECT_EQ(Spoken(board_.img_deck()), QStringLiteral("32 cards, second pass"));
    for (int turn = 0; turn < 32; ++turn) {
        click(board_.img_deck());
    }
    EXPECT_EQ(Spoken(board_.img_deck()), QStringLiteral("empty, no pass left"));
    EXPECT_EQ(board::CardName(46), QStringLiteral("seven of hearts"));
    EXPECT_EQ(board::CardName(27), QStringLiteral("ace of clubs"));
}

TEST(PictureStore, HoldsEveryPictureAtItsSizeForBothKindsOfScreen) {
    board::PictureStore store;
    std::vector<Picture> all;
    for (int n = 0; n <= 52; ++n) {
        all.push_back(Picture::card(n));
    }
    for (Picture p : {img_blank, img_click, img_blankSpades, img_blankDiamonds, img_blankHearts,
                      img_blankClubs}) {
        all.push_back(p);
    }
    for (Picture p : all) {
        const QPixmap& single = store.pixmap(p, 1.0);
        EXPECT_EQ(single.size(), QSize(72, 100)) << int{p.id()};
        const QPixmap& twice = store.pixmap(p, 2.0);
        EXPECT_EQ(twice.size(), QSize(144, 200)) << int{p.id()};
        EXPECT_EQ(twice.deviceIndependentSize(), QSizeF(72, 100)) << int{p.id()};
        // Decoded once: the second request hands back the same pixmap.
        EXPECT_EQ(&store.pixmap(p, 1.0), &single);
    }
    EXPECT_TRUE(store.pixmap(Picture(), 1.0).isNull());
}

// The player must read Click Here to turn the stock over: in a language that has the card drawn
// in its words, the stock shows that drawing, not the English one. The store reads a picture when
// a place first shows it, so the language chosen here is the one it sees.
TEST_F(Board, TheStockShowsClickHereInThePlayersWords) {
    // The choice of picture needs the language only, not its translation file.
    platform::InstallTranslations({QStringLiteral("de-DE")}, QString());
    const struct English {
        ~English() { platform::InstallTranslations({QStringLiteral("C")}, QString()); }
    } english;
    deal();
    for (int turn = 0; turn < 32; ++turn) {
        click(board_.img_deck());
    }
    ASSERT_EQ(board_.img_deck()->picture(), img_click);
    const QImage shown = board_.img_deck()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const auto onWhite = [&shown](const char* picture) {
        QImage drawn(shown.size(), QImage::Format_RGB32);
        drawn.setDevicePixelRatio(shown.devicePixelRatio());
        drawn.fill(Qt::white);
        QPainter(&drawn).drawPixmap(
            0, 0, platform::LoadPicture(QString::fromLatin1(picture), shown.devicePixelRatio()));
        return drawn;
    };
    EXPECT_EQ(board_.img_deck()->size(), QSize(72, 100));
    EXPECT_TRUE(test::PicturesMatch(shown, onWhite("click_de")));
    EXPECT_FALSE(test::LookTheSame(shown, onWhite("click")));
}

// The child programs run the real board in a process of their own: one closes it from the
// menu, one throws from a click handler and answers its own message box.
int runChild(bool exit) {
    int argc = 1;
    char name[] = "board";
    char* argv[] = {name, nullptr};
    platform::GuardedApplication app(argc, argv);
    SeededRandomSource random(7);
    Game game(random);
    frm_board board(game);
    board.Form_Load();
    board.show();
    QTimer::singleShot(0, [&] {
        if (exit) {
            board.findChild<QAction*>(QStringLiteral("mnu_deal"))->trigger();
            board.findChild<QAction*>(QStringLiteral("mnu_exit"))->trigger();
        } else {
            test_support::ReportNextMessageBox();
            board.img_cards_Click(21);
        }
    });
    return QApplication::exec();
}

TEST(BoardProgram, ExitClosesTheBoardAndEndsTheProgram) {
    const test_support::ChildRun child = test_support::RunThisProgram({"--exit-child"});
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(child.exitCode, 0);
}

TEST(BoardProgram, ARuntimeErrorInAClickHandlerShowsTheMessageAndEndsTheProgram) {
    const test_support::ChildRun child = test_support::RunThisProgram({"--error-child"});
    ASSERT_TRUE(child.finished);
    EXPECT_EQ(child.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(child.exitCode, platform::kRuntimeErrorExitStatus);
    EXPECT_EQ(QString::fromUtf8(child.output),
              QStringLiteral("Veltrane|Run-time error '9':\n\nSubscript out of range"));
}

} // namespace

int main(int argc, char** argv) {
    if (const auto status = test_support::RunChildIfAsked(
            argc, argv,
            {{"--exit-child", [](int, char**) { return runChild(true); }},
             {"--error-child", [](int, char**) { return runChild(false); }}})) {
        return *status;
    }
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
