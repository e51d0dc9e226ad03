// The game as an assistive technology sees it, through Qt's accessibility interfaces: what each
// place, strip, link and picture is called and says, the Press that makes a click, and a Press
// that opens a modal window returning before the window opens. The events told on the desktop's
// accessibility bus are checked end to end, as Qt tells none without that bus.

#include "board/frm_board.h"
#include "board_places.h"
#include "game/game.h"
#include "game/random_source.h"
#include "help/frm_help.h"
#include "qt_test_support.h"
#include "shell/frm_splash.h"
#include "shell/frm_win.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <set>

using namespace veltrane;

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}
QT_END_NAMESPACE

namespace {

QAccessibleInterface* Accessible(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QString Name(QObject* object) {
    return Accessible(object)->text(QAccessible::Name);
}

QString Spoken(QObject* object) {
    return Accessible(object)->text(QAccessible::Description);
}

QStringList Actions(QAccessibleInterface* accessible) {
    return accessible->actionInterface() != nullptr ? accessible->actionInterface()->actionNames()
                                                    : QStringList();
}

void Press(QAccessibleInterface* accessible) {
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
}

// Lets the clicks that the Presses queued run.
void RunQueuedClicks() {
    QCoreApplication::processEvents();
}

// A loaded, shown board over the unshuffled deck: the two of spades lies in slot 14, spades
// five to king in slots 5 to 13, diamonds two to seven in slots 15 to 20.
class Board : public ::testing::Test {
  protected:
    Board() : random_(std::vector<float>{0.0F}), game_(random_), board_(game_) {
        board_.Form_Load();
        board_.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&board_));
    }

    QAccessibleInterface* menuItem(const char* menu, const char* item) {
        QAccessibleInterface* list = Accessible(board_.findChild<QMenu*>(QLatin1String(menu)));
        auto* action = board_.findChild<QAction*>(QLatin1String(item));
        for (int i = 0; i < list->childCount(); ++i) {
            if (list->child(i)->object() == action) {
                return list->child(i);
            }
        }
        ADD_FAILURE() << "no item " << item;
        return nullptr;
    }

    void deal() {
        Press(menuItem("mnu_file", "mnu_deal"));
        RunQueuedClicks();
        ASSERT_EQ(game_.state().AwaitingDeal, VbFalse);
    }

    SequenceRandomSource random_;
    Game game_;
    frm_board board_;
};

TEST_F(Board, EveryPlaceIsAButtonNamedWhereItLiesWithPressAsItsAction) {
    std::set<QString> names;
    for (QWidget* place : test_support::AllPlaces(board_)) {
        QAccessibleInterface* accessible = Accessible(place);
        EXPECT_EQ(accessible->role(), QAccessible::Button) << Name(place).toStdString();
        EXPECT_EQ(Actions(accessible), QStringList{QAccessibleActionInterface::pressAction()});
        names.insert(Name(place));
    }
    EXPECT_EQ(names.size(), 22U) << "two places share a name";
    EXPECT_EQ(Name(board_.img_cards(5)), QStringLiteral("Spades slot 1"));
    EXPECT_EQ(Name(board_.img_cards(8)), QStringLiteral("Spades slot 4"));
    EXPECT_EQ(Name(board_.img_cards(11)), QStringLiteral("Diamonds slot 3"));
    EXPECT_EQ(Name(board_.img_cards(14)), QStringLiteral("Hearts slot 2"));
    EXPECT_EQ(Name(board_.img_cards(20)), QStringLiteral("Clubs slot 4"));
    EXPECT_EQ(Name(board_.img_ace(1)), QStringLiteral("Spades foundation"));
    EXPECT_EQ(Name(board_.img_ace(2)), QStringLiteral("Diamonds foundation"));
    EXPECT_EQ(Name(board_.img_ace(3)), QStringLiteral("Hearts foundation"));
    EXPECT_EQ(Name(board_.img_ace(4)), QStringLiteral("Clubs foundation"));
    EXPECT_EQ(Name(board_.img_deck()), QStringLiteral("Stock"));
    EXPECT_EQ(Name(board_.img_dealt()), QStringLiteral("Waste"));

    // Only the places that can carry the frame can be selected.
    EXPECT_TRUE(Accessible(board_.img_cards(5))->state().selectable);
    EXPECT_TRUE(Accessible(board_.img_dealt())->state().selectable);
    EXPECT_FALSE(Accessible(board_.img_ace(1))->state().selectable);
    EXPECT_FALSE(Accessible(board_.img_deck())->state().selectable);
}

TEST_F(Board, APressSelectsAndMovesAndTheDescriptionsFollow) {
    deal();
    QWidget* two = board_.img_cards(14);
    EXPECT_EQ(Spoken(two), QStringLiteral("two of spades"));
    Press(Accessible(two));
    EXPECT_FALSE(Accessible(two)->state().selected) << "the click runs after the Press";
    RunQueuedClicks();
    EXPECT_TRUE(Accessible(two)->state().selected);
    EXPECT_TRUE(board_.img_cards(14)->framed());
    EXPECT_EQ(Spoken(two), QStringLiteral("two of spades, selected"));

    Press(Accessible(board_.img_ace(1)));
    RunQueuedClicks();
    EXPECT_EQ(Spoken(board_.img_ace(1)), QStringLiteral("two of spades"));
    EXPECT_EQ(Spoken(two), QStringLiteral("empty hearts slot"));
    EXPECT_FALSE(Accessible(two)->state().selected);

    // A click the rules ignore changes nothing.
    Press(Accessible(board_.img_ace(3)));
    RunQueuedClicks();
    EXPECT_EQ(Spoken(board_.img_ace(3)), QStringLiteral("ace of hearts"));
}

TEST_F(Board, ThePressIsTheMouseClickOnEveryKindOfPlace) {
    deal();
    Press(Accessible(board_.img_deck()));
    RunQueuedClicks();
    EXPECT_EQ(game_.state().DealtCount, 1);
    EXPECT_EQ(Spoken(board_.img_deck()), QStringLiteral("31 cards, first pass"));
    EXPECT_EQ(Spoken(board_.img_dealt()), QStringLiteral("eight of diamonds"));
    Press(Accessible(board_.img_dealt()));
    RunQueuedClicks();
    EXPECT_TRUE(board_.img_dealt()->framed());
    EXPECT_TRUE(Accessible(board_.img_dealt())->state().selected);
    // The eight of diamonds cannot go on the diamonds foundation's ace.
    Press(Accessible(board_.img_ace(2)));
    RunQueuedClicks();
    EXPECT_EQ(game_.state().FoundationTop(2), 1);
    EXPECT_TRUE(board_.img_dealt()->framed());
}

TEST_F(Board, HelpFromItsMenuItemReturnsAtOnceAndOpensJustAfter) {
    QAccessibleInterface* rules = menuItem("mnu_help", "mnu_rules");
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(rules->role(), QAccessible::MenuItem);
    EXPECT_EQ(rules->text(QAccessible::Name), QStringLiteral("Rules"));
    EXPECT_EQ(Actions(rules), QStringList{QAccessibleActionInterface::pressAction()});
    EXPECT_EQ(menuItem("mnu_help", "mnu_about")->text(QAccessible::Name),
              QStringLiteral("About..."));

    Press(rules);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "the Press waited for the window";

    // The window opens from the event loop; while it is open the board takes no Press.
    bool answered = false;
    test_support::WhenModalAppears([&](QWidget* modal) {
        auto* help = qobject_cast<frm_help*>(modal);
        ASSERT_NE(help, nullptr);
        EXPECT_EQ(game_.state().HelpTopic, 0);
        Press(Accessible(board_.img_cards(5)));
        Press(menuItem("mnu_file", "mnu_deal"));
        RunQueuedClicks();
        EXPECT_FALSE(board_.img_cards(5)->framed());
        EXPECT_EQ(game_.state().AwaitingDeal, VbTrue);
        answered = true;
        help->findChild<QPushButton*>(QStringLiteral("btn_help_4"))->click();
    });
    RunQueuedClicks();
    EXPECT_TRUE(answered);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(Board, TheWinningPressReturnsBeforeTheWinDialogOpens) {
    // Three foundations complete and the hearts at the queen; the king of hearts in slot 5.
    deal();
    for (Int16 k = 1; k <= 4; ++k) {
        game_.state().FoundationTop(k) = 13;
    }
    game_.state().FoundationTop(3) = 12;
    game_.board().img_cards(5).Picture = Picture::card(52);
    game_.state().SlotRank(5) = 13;
    game_.state().SlotSuit(5) = 4;
    board_.Refresh();

    Press(Accessible(board_.img_cards(5)));
    RunQueuedClicks();
    ASSERT_TRUE(board_.img_cards(5)->framed());
    bool won = false;
    game_.setWinHandler([&] {
        won = true;
        veltrane::shell::ShowWinDialog(&board_);
    });
    bool wellDone = false;
    test_support::WhenModalAppears([&](QWidget* modal) {
        auto* dialog = qobject_cast<frm_win*>(modal);
        ASSERT_NE(dialog, nullptr);
        // The picture's words are read as the dialog's text, and said as it opens.
        QAccessibleInterface* accessible = Accessible(dialog);
        EXPECT_EQ(accessible->text(QAccessible::Description), QStringLiteral("Well Done!"));
        for (int i = 0; i < accessible->childCount(); ++i) {
            wellDone = wellDone || (accessible->child(i)->role() == QAccessible::StaticText &&
                                    accessible->child(i)->text(QAccessible::Name) ==
                                        QStringLiteral("Well Done!"));
        }
        dialog->btn_OK->click();
    });
    Press(Accessible(board_.img_ace(3)));
    EXPECT_FALSE(won) << "the Press waited for the win";
    RunQueuedClicks();
    EXPECT_TRUE(won);
    EXPECT_TRUE(wellDone);
    EXPECT_EQ(Spoken(board_.img_ace(3)),
              QStringLiteral("king of hearts, File > Deal starts a game"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Splash, EnterHereIsANamedButtonWhosePressOpensTheBoard) {
    SequenceRandomSource random(std::vector<float>{0.0F});
    Game game(random);
    auto* splash = new frm_splash(game);
    ASSERT_TRUE(splash->Form_Load());
    QPointer<frm_board> board = splash->board();
    QPointer<frm_splash> alive = splash;
    splash->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(splash));

    QAccessibleInterface* strip = Accessible(splash->Image1);
    EXPECT_EQ(strip->role(), QAccessible::Button);
    EXPECT_EQ(strip->text(QAccessible::Name), QStringLiteral("ENTER HERE"));
    EXPECT_EQ(Actions(strip), QStringList{QAccessibleActionInterface::pressAction()});
    bool pictureNamed = false;
    QAccessibleInterface* window = Accessible(splash);
    for (int i = 0; i < window->childCount(); ++i) {
        pictureNamed = pictureNamed || (window->child(i)->role() == QAccessible::Graphic &&
                                        !window->child(i)->text(QAccessible::Name).isEmpty());
    }
    EXPECT_TRUE(pictureNamed);

    Press(strip);
    RunQueuedClicks();
    ASSERT_NE(board, nullptr);
    EXPECT_TRUE(board->isVisible());
    QTRY_VERIFY(alive == nullptr);
    delete board;
}

TEST(Help, PicturesTextAndLinkAreNamedAndTheLinkPressOpensTheAddress) {
    GameState state;
    state.HelpTopic = 1;
    auto* help = new frm_help(state);
    help->setAttribute(Qt::WA_DeleteOnClose, false);
    const std::unique_ptr<frm_help> owner(help);
    help->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    QTRY_VERIFY(help->findChild<QLabel*>(QStringLiteral("lbl_url"))->isVisible());

    EXPECT_FALSE(Name(help->findChild<QLabel*>(QStringLiteral("img_logo"))).isEmpty());
    EXPECT_FALSE(Name(help->findChild<QLabel*>(QStringLiteral("img_help2"))).isEmpty());
    auto* text = help->findChild<QPlainTextEdit*>(QStringLiteral("txt_help"));
    EXPECT_EQ(Name(text), QStringLiteral("About"));
    // The window says which page shows; the link follows Rules in the Tab order.
    EXPECT_EQ(Accessible(help)->text(QAccessible::Description),
              QStringLiteral("About page, Shift+Tab to read"));
    auto* rules = help->findChild<QPushButton*>(QStringLiteral("btn_help_0"));
    rules->setFocus();
    QTest::keyClick(rules, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), help->findChild<QLabel*>(QStringLiteral("lbl_url")));

    const test_support::AddressCatcher catcher;

    QAccessibleInterface* link = Accessible(help->findChild<QLabel*>(QStringLiteral("lbl_url")));
    EXPECT_EQ(link->role(), QAccessible::Link);
    EXPECT_FALSE(link->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(Actions(link), QStringList{QAccessibleActionInterface::pressAction()});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(catcher.waitForOpened(1)) << "Space on the link";
    Press(link);
    RunQueuedClicks();
    EXPECT_TRUE(catcher.waitForOpened(2));

    // On the Rules page the link is hidden and its Press does nothing.
    help->findChild<QPushButton*>(QStringLiteral("btn_help_0"))->click();
    EXPECT_EQ(Name(text), QStringLiteral("Rules"));
    Press(link);
    RunQueuedClicks();
    EXPECT_EQ(catcher.opened().size(), 2);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
