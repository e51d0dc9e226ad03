// The saved game: the text a played deal gives, and every kind of text the reader refuses, each
// written here by hand. That a game read back plays on as the game saved is a property test.

#include "game/saved_game.h"
#include "tests/game/test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace veltrane {
namespace {

using testing::play;

// The unshuffled deal after "D t14 f1 S S S S S S S W f1 t15 f2 t16 f2": the twos and threes
// of spades and diamonds home, slots 14 to 16 empty, six diamonds turned onto the waste.
const std::string kDeal =
    "deal AS AD AC AH 5S 6S 7S 8S 9S 10S JS QS KS 2S 2D 3D 4D 5D 6D 7D 8D 9D 10D JD QD KD 3S 2C "
    "3C 4C 5C 6C 7C 8C 9C 10C JC QC KC 4S 2H 3H 4H 5H 6H 7H 8H 9H 10H JH QH KH";
const std::string kFirstPass = "veltrane saved game 1\n" + kDeal +
                               "\nfoundations 3S 3D AH AC\n"
                               "slots 5S 6S 7S 8S 9S 10S JS QS KS - - - 4D 5D 6D 7D\n"
                               "stock 2C 3C 4C 5C 6C 7C 8C 9C 10C JC QC KC 4S 2H 3H 4H 5H 6H 7H "
                               "8H 9H 10H JH QH KH\n"
                               "waste 8D 9D 10D JD QD KD\n"
                               "passes 0\n";

// The same text with one line (from 1) put in place of the one there, or taken out.
std::string withLine(int number, const std::string& line) {
    std::string text = kFirstPass;
    std::size_t at = 0;
    for (int n = 1; n < number; ++n) {
        at = text.find('\n', at) + 1;
    }
    return text.replace(at, text.find('\n', at) + 1 - at, line.empty() ? "" : line + "\n");
}

TEST(SavedGame, APlayedDealIsWrittenLineByLineLessItsPickAndAnUndealtOneNotAtAll) {
    SequenceRandomSource unshuffled({0.0f});
    Game game(unshuffled);
    game.InitNewGame();
    EXPECT_EQ(WriteSavedGame(game), "");
    play(game, "D t14 f1 S S S S S S S W f1 t15 f2 t16 f2 W");
    EXPECT_EQ(WriteSavedGame(game), kFirstPass);
}

TEST(SavedGame, RefusesAnythingButAPositionTheRulesReach) {
    const struct {
        std::string text;
        SavedGameFault fault;
        int line;
    } cases[] = {
        {"", SavedGameFault::NotASavedGame, 0},
        {withLine(1, "veltrane saved game 2"), SavedGameFault::UnknownVersion, 0},
        {kFirstPass.substr(0, kFirstPass.size() - 3), SavedGameFault::CutShort, 0},
        {withLine(7, ""), SavedGameFault::CutShort, 0},
        {kFirstPass + std::string(4000, '#'), SavedGameFault::TooLarge, 0},
        {kFirstPass + "passes 0\n", SavedGameFault::Unreadable, 8},
        {withLine(6, "waste 8D 9D 10D JD QD KX"), SavedGameFault::Unreadable, 6},
        {withLine(2, "deal AS AS" + kDeal.substr(10)), SavedGameFault::CardTwice, 2},
        {withLine(6, "waste 8D 9D 10D JD QD KD 2C"), SavedGameFault::CardTwice, 6},
        {withLine(6, "waste 8D 9D 10D JD QD"), SavedGameFault::CardMissing, 0},
        // A card of the wrong suit on a foundation, or put into a slot of another group.
        {withLine(3, "foundations 3D 3S AH AC"), SavedGameFault::Unreachable, 0},
        {withLine(4, "slots 4D 6S 7S 8S 9S 10S JS QS KS - - - 5S 5D 6D 7D"),
         SavedGameFault::Unreachable, 0},
        // A first-pass stock out of the deal's order, a waste turned out of it.
        {withLine(5, "stock 3C 2C 4C 5C 6C 7C 8C 9C 10C JC QC KC 4S 2H 3H 4H 5H 6H 7H 8H 9H "
                     "10H JH QH KH"),
         SavedGameFault::Unreachable, 0},
        {withLine(6, "waste 9D 8D 10D JD QD KD"), SavedGameFault::Unreachable, 0},
        // More passes than the rules allow, and a spent stock that still holds cards.
        {withLine(7, "passes 3"), SavedGameFault::Unreachable, 0},
        {withLine(7, "passes 2"), SavedGameFault::Unreachable, 0},
        // A deal no shuffle makes: the aces lead every one.
        {withLine(2, "deal 5S AD AC AH AS" + kDeal.substr(19)), SavedGameFault::Unreachable, 0},
    };
    SequenceRandomSource unshuffled({0.0f});
    Game game(unshuffled);
    game.InitNewGame();
    for (const auto& c : cases) {
        const SavedGameReading reading = ReadSavedGame(c.text, game);
        EXPECT_EQ(reading.fault, c.fault) << c.text;
        EXPECT_EQ(reading.line, c.line) << c.text;
        EXPECT_TRUE(game.board().img_cards(5).Picture.isNone()) << "a refused game was laid out";
    }
    EXPECT_EQ(ReadSavedGame(kFirstPass, game).fault, SavedGameFault::None);
}

} // namespace
} // namespace veltrane
