// The game played as a blind player plays it: on a virtual X server, with a private session
// bus and the desktop's accessibility bus, read and pressed through the accessibility stack
// alone, with no pointer and no key. ENTER HERE, File > Deal, reading the board, picking a card
// and moving it, turning the stock, Help that answers at once, and a whole game won.

#include "game/game.h"
#include "game/random_source.h"
#include "game_on_x.h"
#include "orca.h"
#include "qt_test_support.h"
#include "screen_reader.h"
#include "winning_deal.h"
#include "x_session.h"

#include <algorithm>
#include <array>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

using veltrane::e2e::Node;
using veltrane::e2e::Orca;
using veltrane::e2e::ScreenReader;
using veltrane::e2e::Told;
using veltrane::e2e::WindowManager;
using veltrane::e2e::XSession;
using veltrane::test_support::WinningClicks;

namespace {

const char* const kDescriptionChanged = "object:property-change:accessible-description";

// Slots 5 to 20 as the player hears them.
const std::array<const char*, 16> kSlotNames = {
    "Spades slot 1",   "Spades slot 2",   "Spades slot 3",   "Spades slot 4",
    "Diamonds slot 1", "Diamonds slot 2", "Diamonds slot 3", "Diamonds slot 4",
    "Hearts slot 1",   "Hearts slot 2",   "Hearts slot 3",   "Hearts slot 4",
    "Clubs slot 1",    "Clubs slot 2",    "Clubs slot 3",    "Clubs slot 4"};
// Foundations 1 to 4.
const std::array<const char*, 4> kFoundationNames = {"Spades foundation", "Diamonds foundation",
                                                     "Hearts foundation", "Clubs foundation"};

// What the player hears on the way in, in the desktop's language (LANG).
struct Language {
    QString lang;
    std::string splash;
    std::string enterHere;
    std::string board;
};
const Language kEnglish{QStringLiteral("C.UTF-8"), "Welcome", "ENTER HERE", "Veltrane Solitaire"};

// The game started on the accessibility bus, the splash left through ENTER HERE, and the board
// found: everything a test needs to play.
class Played : public ::testing::Test {
  protected:
    void start(const QString& program, const Language& language = kEnglish) {
        const veltrane::test_support::ScopedEnv accessible("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        QProcess& game = x_.launch(program, {}, language.lang);
        const auto app = reader_.waitForApplication(game.processId());
        ASSERT_TRUE(app) << "the game never joined the accessibility bus";
        app_ = *app;

        const auto splash = reader_.waitFor(app_, "frame", language.splash);
        ASSERT_TRUE(splash) << "no splash";
        const auto enter = reader_.waitFor(*splash, "push button", language.enterHere);
        ASSERT_TRUE(enter) << "no ENTER HERE button";
        EXPECT_EQ(reader_.actions(*enter), std::vector<std::string>{"Press"});
        ASSERT_TRUE(reader_.press(*enter));
        const auto board = reader_.waitFor(app_, "frame", language.board);
        ASSERT_TRUE(board) << "ENTER HERE did not open the board";
        board_ = *board;
        EXPECT_TRUE(x_.waitForWindowGone(QString::fromStdString("^" + language.splash + "$")));
    }

    Node place(const std::string& name) {
        const auto found = reader_.waitFor(board_, "push button", name);
        if (!found) {
            ADD_FAILURE() << "no place " << name;
            return {};
        }
        return *found;
    }

    // A menu item of the board, pressed as a screen reader presses it: without opening the menu.
    bool pressMenuItem(const std::string& name) {
        const auto item = reader_.waitFor(board_, "menu item", name, 10000, false);
        return item && reader_.press(*item);
    }

    // Waits until a description event of the named place carries the text.
    bool toldDescription(const std::string& source, const std::string& text) {
        return reader_.waitUntil([&] {
            const auto& told = reader_.told();
            return std::any_of(told.begin(), told.end(), [&](const Told& t) {
                return t.type == kDescriptionChanged && t.source == source && t.text == text;
            });
        });
    }

    std::set<std::string> describedPlaces() const {
        std::set<std::string> names;
        for (const Told& t : reader_.told()) {
            if (t.type == kDescriptionChanged) {
                names.insert(t.source);
            }
        }
        return names;
    }

    XSession x_;
    ScreenReader reader_;
    Node app_;
    Node board_;
};

// Black all round the given rectangle of the screen: the selection frame.
bool FramedOnScreen(const QImage& screen, const QRect& r) {
    if (r.width() <= 2 || r.height() <= 2) {
        return false;
    }
    for (int x = r.left(); x <= r.right(); ++x) {
        if (screen.pixelColor(x, r.top()).lightness() > 60 ||
            screen.pixelColor(x, r.bottom()).lightness() > 60) {
            return false;
        }
    }
    for (int y = r.top(); y <= r.bottom(); ++y) {
        if (screen.pixelColor(r.left(), y).lightness() > 60 ||
            screen.pixelColor(r.right(), y).lightness() > 60) {
            return false;
        }
    }
    return true;
}

TEST_F(Played, TheBoardIsReadAndPlayedThroughTheAccessibilityStack) {
    start(QStringLiteral(VELTRANE_EXECUTABLE));
    ASSERT_TRUE(board_);

    // Every place is a push button with Press, named where it lies.
    std::vector<std::string> expected(kSlotNames.begin(), kSlotNames.end());
    expected.insert(expected.end(), kFoundationNames.begin(), kFoundationNames.end());
    expected.emplace_back("Stock");
    expected.emplace_back("Waste");
    for (const std::string& name : expected) {
        const Node p = place(name);
        ASSERT_TRUE(p);
        EXPECT_EQ(reader_.actions(p), std::vector<std::string>{"Press"}) << name;
    }
    EXPECT_EQ(reader_.description(place("Stock")),
              "32 cards, first pass, File > Deal starts a game");
    EXPECT_EQ(reader_.description(place("Hearts foundation")),
              "ace of hearts, File > Deal starts a game");

    // Deal until a two lies in a slot (most deals have one), reading every slot each time.
    std::string twoSlot;
    std::string two;
    for (int deal = 0; deal < 30 && twoSlot.empty(); ++deal) {
        reader_.clearTold();
        ASSERT_TRUE(pressMenuItem("Deal"));
        ASSERT_TRUE(reader_.waitUntil([&] {
            return reader_.description(place("Spades slot 1")).find(" of ") != std::string::npos;
        })) << "File > Deal dealt no card";
        for (const char* slot : kSlotNames) {
            const std::string says = reader_.description(place(slot));
            EXPECT_NE(says.find(" of "), std::string::npos) << slot << " says " << says;
            if (says.rfind("two of ", 0) == 0 && twoSlot.empty()) {
                twoSlot = slot;
                two = says;
            }
        }
    }
    ASSERT_FALSE(twoSlot.empty());

    // Press picks the card: the new description, the selected state, the text a review of the
    // screen reads, and the frame.
    const Node slot = place(twoSlot);
    reader_.clearTold();
    ASSERT_TRUE(reader_.press(slot));
    EXPECT_TRUE(toldDescription(twoSlot, two + ", selected"));
    EXPECT_TRUE(reader_.selected(slot));
    EXPECT_EQ(reader_.text(slot), twoSlot + ", " + two + ", selected");
    const QRect where = reader_.extents(slot);
    QImage screen;
    EXPECT_TRUE(reader_.waitUntil([&] {
        screen = x_.screenshot();
        return FramedOnScreen(screen, where);
    })) << "no frame on the screen around "
        << twoSlot;

    // Press on the foundation of the card's suit, found by its name, moves the card there.
    const std::string suit = two.substr(std::string("two of ").size());
    std::string foundation;
    for (const char* name : kFoundationNames) {
        std::string lower = name;
        lower[0] = static_cast<char>(std::tolower(lower[0]));
        if (lower.rfind(suit, 0) == 0) {
            foundation = name;
        }
    }
    ASSERT_FALSE(foundation.empty()) << suit;
    reader_.clearTold();
    ASSERT_TRUE(reader_.press(place(foundation)));
    EXPECT_TRUE(toldDescription(foundation, two));
    const std::string group = twoSlot.substr(0, twoSlot.find(' '));
    std::string groupLower = group;
    groupLower[0] = static_cast<char>(std::tolower(groupLower[0]));
    EXPECT_TRUE(toldDescription(twoSlot, "empty " + groupLower + " slot"));
    EXPECT_FALSE(reader_.selected(slot));

    // The stock turns a card onto the waste and says which; once both have told it, everything
    // the move told has arrived too, and only the places that changed told anything.
    ASSERT_TRUE(reader_.press(place("Stock")));
    EXPECT_TRUE(reader_.waitUntil([&] { return describedPlaces().count("Waste") == 1; }));
    const std::string turned = reader_.description(place("Waste"));
    EXPECT_NE(turned.find(" of "), std::string::npos);
    EXPECT_TRUE(toldDescription("Stock", turned + ", 31 cards"));
    const std::set<std::string> described = describedPlaces();
    EXPECT_EQ(described, (std::set<std::string>{twoSlot, foundation, "Stock", "Waste"}));
    for (const Told& t : reader_.told()) {
        if (t.type == kDescriptionChanged) {
            EXPECT_NE(t.text, t.source) << "an event carried the name, not the description";
        }
    }

    // Help > Rules answers at once and the window opens just after; its OK closes it.
    ASSERT_TRUE(pressMenuItem("Rules")) << "the Press on Help > Rules did not answer";
    const auto help = reader_.waitFor(app_, "dialog", "Veltrane - Help");
    ASSERT_TRUE(help) << "no Help window";
    const auto text = reader_.waitFor(*help, "text", "Rules");
    EXPECT_TRUE(text) << "the help text is not named";
    const auto ok = reader_.waitFor(*help, "push button", "OK");
    ASSERT_TRUE(ok);
    ASSERT_TRUE(reader_.press(*ok));
    EXPECT_TRUE(x_.waitForWindowGone(QStringLiteral("^Veltrane - Help$")));
}

// A German desktop: the windows, the menus, Help and a message box as a screen reader reads
// them, every word written here by hand. The board's places and cards are named as listed.
TEST_F(Played, OnAGermanDesktopTheGameSpeaksGerman) {
    using veltrane::test_support::AddressCatcher;
    const AddressCatcher refusing(AddressCatcher::Answer::Refuse);
    start(QStringLiteral(VELTRANE_FIXED_DEAL_GAME),
          {QStringLiteral("de_DE.UTF-8"), "Willkommen", "HIER EINTRETEN", "Veltrane-Patience"});
    ASSERT_TRUE(board_);
    EXPECT_TRUE(reader_.waitFor(board_, "menu item", "Datei", 10000, false));
    EXPECT_TRUE(reader_.waitFor(board_, "menu item", "Hilfe", 10000, false));
    EXPECT_TRUE(reader_.waitFor(board_, "menu item", "Beenden", 10000, false));
    EXPECT_TRUE(reader_.waitFor(board_, "menu item", "Regeln", 10000, false));

    // The unshuffled deal puts the two of spades in the second hearts slot, said in German.
    const struct {
        std::string slot;
        std::string card;
    } dealt{"Herz-Feld 2", "Pik Zwei"};
    ASSERT_TRUE(pressMenuItem("Geben"));
    EXPECT_TRUE(
        reader_.waitUntil([&] { return reader_.description(place(dealt.slot)) == dealt.card; }));

    ASSERT_TRUE(pressMenuItem("Über...")) << "the Press on Hilfe > Über did not answer";
    const auto help = reader_.waitFor(app_, "dialog", "Veltrane - Hilfe");
    ASSERT_TRUE(help) << "no Help window";
    EXPECT_TRUE(reader_.waitFor(*help, "text", "Über"));
    for (const char* button : {"Regeln", "Über", "OK"}) {
        EXPECT_TRUE(reader_.waitFor(*help, "push button", button)) << button;
    }
    const auto link = reader_.waitFor(*help, "link", "");
    ASSERT_TRUE(link);
    ASSERT_TRUE(reader_.press(*link));
    const auto box = reader_.waitFor(app_, "alert", "Veltrane");
    ASSERT_TRUE(box) << "no message box";
    EXPECT_TRUE(
        reader_.waitFor(*box, "label", "Hoppla, dorthin lässt sich keine Verbindung herstellen"));
    const auto ok = reader_.waitFor(*box, "push button", "OK");
    ASSERT_TRUE(ok);
    ASSERT_TRUE(reader_.press(*ok));
}

TEST(WinningClicks, WinTheUnshuffledDealByTheRules) {
    veltrane::SequenceRandomSource unshuffled({});
    int wins = 0;
    veltrane::Game game(unshuffled, [&wins] { ++wins; });
    game.InitNewGame();
    game.DealOuterCards();
    for (const auto& [kind, index] : WinningClicks()) {
        if (kind == "slot") {
            game.img_cards_Click(static_cast<veltrane::Int16>(index));
        } else if (kind == "foundation") {
            game.img_ace_Click(static_cast<veltrane::Int16>(index));
        } else if (kind == "stock") {
            game.img_deck_Click();
        } else {
            game.img_dealt_Click();
        }
    }
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(game.state().FoundationTop(k), 13) << k;
    }
    EXPECT_EQ(wins, 1);
}

TEST_F(Played, AWholeGameIsWonThroughTheAccessibilityStack) {
    start(QStringLiteral(VELTRANE_FIXED_DEAL_GAME));
    ASSERT_TRUE(board_);
    ASSERT_TRUE(pressMenuItem("Deal"));
    ASSERT_TRUE(reader_.waitUntil(
        [&] { return reader_.description(place("Hearts slot 2")) == "two of spades"; }));

    std::map<std::string, Node> places;
    auto named = [&](const std::string& name) {
        auto found = places.find(name);
        if (found == places.end()) {
            found = places.emplace(name, place(name)).first;
        }
        return found->second;
    };
    for (const auto& [kind, index] : WinningClicks()) {
        std::string name;
        if (kind == "slot") {
            name = kSlotNames.at(static_cast<std::size_t>(index - 5));
        } else if (kind == "foundation") {
            name = kFoundationNames.at(static_cast<std::size_t>(index - 1));
        } else {
            name = kind == "stock" ? "Stock" : "Waste";
        }
        ASSERT_TRUE(reader_.press(named(name))) << name;
    }

    const auto dialog = reader_.waitFor(app_, "dialog", "Veltrane Solitaire", 20000);
    ASSERT_TRUE(dialog) << "no win dialog";
    EXPECT_TRUE(reader_.waitFor(*dialog, "label", "Well Done!"));
    for (const char* foundation : kFoundationNames) {
        const std::string suit =
            std::string(foundation).substr(0, std::string(foundation).find(' '));
        std::string lower = suit;
        lower[0] = static_cast<char>(std::tolower(lower[0]));
        EXPECT_EQ(reader_.description(named(foundation)),
                  "king of " + lower + ", File > Deal starts a game");
    }
    const auto ok = reader_.waitFor(*dialog, "push button", "OK");
    ASSERT_TRUE(ok);
    ASSERT_TRUE(reader_.press(*ok));
    EXPECT_TRUE(reader_.waitUntil([&] { return !reader_.showing(*dialog); }));
}

} // namespace

namespace {

// A place of a winning click by its position in the board's reading order: foundations 1 to 4
// are 0 to 3, slots 5 to 20 are 4 to 19, the stock 20 and the waste 21.
int ReadingIndex(const std::string& kind, int index) {
    if (kind == "foundation") {
        return index - 1;
    }
    if (kind == "slot") {
        return index - 1;
    }
    return kind == "stock" ? 20 : 21;
}

// The keys that take the focus from one place to another the shorter way round the reading
// order, then Space, the keyboard's click there.
QStringList KeysFromTo(int from, int to) {
    constexpr int kPlaces = 22;
    const int ahead = (to - from + kPlaces) % kPlaces;
    QStringList keys;
    if (ahead <= kPlaces / 2) {
        keys.fill(QStringLiteral("Tab"), ahead);
    } else {
        keys.fill(QStringLiteral("shift+Tab"), kPlaces - ahead);
    }
    keys << QStringLiteral("space");
    return keys;
}

} // namespace

// A player who cannot use a pointer wins the unshuffled deal with keys alone, typed through the
// X server into whatever window has the focus: on metacity, which gives a new tool window no
// focus by itself, the splash must take it; Return enters, Alt+F D deals, and the focus starts
// on Spades slot 1. No pointer event and no accessibility action is sent, and the game does
// not join the accessibility bus.
TEST(KeyboardPlay, AWholeGameIsWonFromTheSplashWithKeysAlone) {
    XSession x(WindowManager::Metacity);
    const veltrane::test_support::ScopedEnv noBus("DBUS_SESSION_BUS_ADDRESS",
                                                  "unix:path=/nonexistent/veltrane-no-bus");
    x.launch(QStringLiteral(VELTRANE_FIXED_DEAL_GAME));
    const auto splash = x.waitForWindow(veltrane::e2e::kSplashTitle);
    ASSERT_TRUE(splash);
    ASSERT_TRUE(x.waitForFocus(*splash)) << "the splash has not got the keyboard";
    x.typeKeys({QStringLiteral("Return")});
    ASSERT_TRUE(x.waitForWindowGone(veltrane::e2e::kSplashTitle)) << "Return did not enter";
    const auto board = x.waitForWindow(veltrane::e2e::kBoardTitle);
    ASSERT_TRUE(board);
    ASSERT_TRUE(x.waitForFocus(*board));
    x.typeKeys({QStringLiteral("alt+f"), QStringLiteral("d")});

    int at = ReadingIndex("slot", 5);
    for (const auto& [kind, index] : WinningClicks()) {
        const int to = ReadingIndex(kind, index);
        x.typeKeys(KeysFromTo(at, to));
        at = to;
    }
    const auto dialog = x.waitForFocusMovedFrom(*board);
    ASSERT_TRUE(dialog) << "no win dialog took the keyboard";
    EXPECT_EQ(x.windowTitle(*dialog), QStringLiteral("Veltrane Solitaire"));
    // Its OK has the focus; Return closes it and the board stays.
    x.typeKeys({QStringLiteral("Return")});
    EXPECT_TRUE(x.waitForFocus(*board)) << "the win dialog did not close";
}

namespace {

// Slots 5 to 20 of the unshuffled deal: the spades from five in the slots 5 to 13, the two of
// spades in slot 14 (the aces went to the foundations), the diamonds from two in 15 to 20.
const std::array<const char*, 16> kUnshuffledSlots = {
    "five of spades",   "six of spades",    "seven of spades", "eight of spades",
    "nine of spades",   "ten of spades",    "jack of spades",  "queen of spades",
    "king of spades",   "two of spades",    "two of diamonds", "three of diamonds",
    "four of diamonds", "five of diamonds", "six of diamonds", "seven of diamonds"};

std::string Said(const std::vector<std::string>& said, std::size_t from) {
    std::string all;
    for (std::size_t i = from; i < said.size(); ++i) {
        all += "\n  " + said[i];
    }
    return all;
}

} // namespace

// The desktop's screen reader, Orca, on a whole game played from the keyboard: it hears ENTER
// HERE, the board and how to start a game, every dealt card as Tab goes through the slots, a
// picked card as selected, the arrows reach the foundations, a refused move and why, the card
// arriving on the foundation once, the card the stock turns, a review of the screen, the win.
TEST(ScreenReaderOrca, AWholeGameIsHeard) {
    XSession x;
    Orca orca(x);
    ASSERT_TRUE(orca.waitToSay("Screen reader on"))
        << "Orca did not start: " << orca.whyNotRunning() << Said(orca.said(), 0);
    const veltrane::test_support::ScopedEnv accessible("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    x.launch(QStringLiteral(VELTRANE_FIXED_DEAL_GAME));
    const auto splash = x.waitForWindow(veltrane::e2e::kSplashTitle);
    ASSERT_TRUE(splash);
    ASSERT_TRUE(x.waitForFocus(*splash));
    EXPECT_TRUE(orca.waitToSay("ENTER HERE push button")) << Said(orca.said(), 0);

    std::size_t from = orca.mark();
    x.typeKeys({QStringLiteral("Return")});
    const auto board = x.waitForWindow(veltrane::e2e::kBoardTitle);
    ASSERT_TRUE(board);
    ASSERT_TRUE(x.waitForFocus(*board));
    EXPECT_TRUE(orca.waitToSay("Spades slot 1 push button", from)) << Said(orca.said(), from);
    EXPECT_TRUE(orca.waitToSay("empty spades slot, File > Deal starts a game", from))
        << Said(orca.said(), from);

    // The deal through the menu's access keys, each key once Orca has said what the one before
    // did: Alt+F, then D. With a screen reader listening, Qt 6.4 lets the reader see every key
    // before the program does, except a shortcut such as Alt+F, which goes on at once; now and
    // then the Alt comes in after the F and closes the menu the F has just opened. The player
    // then hears the focus come back to the card and tries again, and so does the test, a few
    // times at most.
    bool menuOpen = false;
    for (int attempt = 0; attempt < 3 && !menuOpen; ++attempt) {
        from = orca.mark();
        x.typeKeys({QStringLiteral("alt+f")});
        menuOpen = orca.waitToSay("Deal", from, 5000);
    }
    ASSERT_TRUE(menuOpen) << "Alt, F never opened the File menu" << Said(orca.said(), 0);
    from = orca.mark();
    x.typeKeys({QStringLiteral("d")});
    EXPECT_TRUE(orca.waitToSay(kUnshuffledSlots.front(), from)) << Said(orca.said(), from);
    // Tab goes on through the slots; each is said with its name and its card.
    for (std::size_t i = 1; i < kSlotNames.size(); ++i) {
        from = orca.mark();
        x.typeKeys({QStringLiteral("Tab")});
        EXPECT_TRUE(orca.waitToSay(std::string(kSlotNames.at(i)) + " push button", from))
            << Said(orca.said(), from);
        EXPECT_TRUE(orca.waitToSay(kUnshuffledSlots.at(i), from)) << Said(orca.said(), from);
    }

    // Back to Hearts slot 2 and pick its two of spades.
    QStringList back;
    back.fill(QStringLiteral("shift+Tab"), 6);
    from = orca.mark();
    x.typeKeys(back);
    ASSERT_TRUE(orca.waitToSay("Hearts slot 2 push button", from)) << Said(orca.said(), from);
    from = orca.mark();
    x.typeKeys({QStringLiteral("space")});
    EXPECT_TRUE(orca.waitToSay("two of spades, selected", from)) << Said(orca.said(), from);

    // Left to the Hearts foundation, which refuses the spade and says why; Up to the Spades
    // foundation, which takes it.
    from = orca.mark();
    x.typeKeys({QStringLiteral("Left")});
    ASSERT_TRUE(orca.waitToSay("Hearts foundation push button", from)) << Said(orca.said(), from);
    from = orca.mark();
    x.typeKeys({QStringLiteral("space")});
    EXPECT_TRUE(orca.waitToSay("only hearts here", from)) << Said(orca.said(), from);
    from = orca.mark();
    x.typeKeys({QStringLiteral("Up")});
    ASSERT_TRUE(orca.waitToSay("Spades foundation push button", from)) << Said(orca.said(), from);
    EXPECT_TRUE(orca.waitToSay("ace of spades", from)) << Said(orca.said(), from);
    const std::size_t move = orca.mark();
    x.typeKeys({QStringLiteral("space")});
    EXPECT_TRUE(orca.waitToSay("two of spades", move)) << Said(orca.said(), move);

    // Orca's review of the screen reads the line the focus is on, cards and all.
    from = orca.mark();
    x.typeKeys({QStringLiteral("KP_Up")});
    EXPECT_TRUE(orca.waitToSay(
        [](const std::string& line) {
            return line.find("Spades foundation, two of spades") != std::string::npos &&
                   line.find("Diamonds foundation, ace of diamonds") != std::string::npos;
        },
        from))
        << Said(orca.said(), from);
    // By then all the move told has been said: the card on the foundation once, and nothing
    // of the emptied slot, where the focus is not.
    const std::vector<std::string> said = orca.said();
    const auto told =
        std::count_if(said.begin() + static_cast<std::ptrdiff_t>(move), said.end(),
                      [](const std::string& s) { return Orca::Plain(s) == "two of spades"; });
    EXPECT_EQ(told, 1) << Said(said, move);

    // Back round to the stock, whose first turn says the card it turned: the eight of diamonds,
    // which waits on the waste while the diamonds below it go up.
    from = orca.mark();
    x.typeKeys({QStringLiteral("shift+Tab"), QStringLiteral("shift+Tab")});
    ASSERT_TRUE(orca.waitToSay("32 cards, first pass", from)) << Said(orca.said(), from);
    from = orca.mark();
    x.typeKeys({QStringLiteral("space")});
    EXPECT_TRUE(orca.waitToSay("eight of diamonds, 31 cards", from)) << Said(orca.said(), from);

    // The rest of the game by Tab and Space, to the win, which is said as its dialog opens.
    std::vector<std::pair<std::string, int>> rest = WinningClicks();
    rest.erase(std::find(rest.begin(), rest.end(), std::pair<std::string, int>{"stock", 0}));
    // Each key once Orca has said what the one before did, as a player goes: with a reader
    // that sees each key first, a run of keys typed at once leaves it far behind. What a click
    // did is said as written, with no full stop after it, unlike Orca's own words for a place.
    auto key = [&](const char* name, const std::function<bool(const std::string&)>& heard) {
        from = orca.mark();
        x.typeKeys({QString::fromLatin1(name)});
        return orca.waitToSay(heard, from);
    };
    const auto clickSaid = [](const std::string& said) {
        return !said.empty() && said.back() != '.';
    };
    int at = ReadingIndex("stock", 0);
    for (auto click = rest.begin() + 2; click != rest.end(); ++click) {
        const int to = ReadingIndex(click->first, click->second);
        while (at != to) {
            const bool forward = (to - at + 22) % 22 <= 11;
            at = (at + (forward ? 1 : 21)) % 22;
            const std::string place = at < 4     ? kFoundationNames.at(static_cast<std::size_t>(at))
                                      : at < 20  ? kSlotNames.at(static_cast<std::size_t>(at - 4))
                                      : at == 20 ? "Stock"
                                                 : "Waste";
            ASSERT_TRUE(key(forward ? "Tab" : "shift+Tab",
                            [&](const std::string& said) {
                                return Orca::Plain(said) == place + " push button";
                            }))
                << place << Said(orca.said(), from);
        }
        if (click + 1 == rest.end()) {
            from = orca.mark();
            x.typeKeys({QStringLiteral("space")});
            break; // the win, said by its dialog
        }
        ASSERT_TRUE(key("space", clickSaid))
            << click->first << " " << click->second << Said(orca.said(), from);
    }
    EXPECT_TRUE(orca.waitToSay(
        [](const std::string& line) { return line.find("Well Done!") != std::string::npos; }, from,
        60000))
        << Said(orca.said(), from);
}
