// The stock through both passes, the turn-over, and picking the waste.

#include "tests/game/test_support.h"

#include <gtest/gtest.h>
#include <string>

namespace veltrane {
namespace {

using testing::play;

std::string clicks(const char* click, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) {
        out += click;
        out += ' ';
    }
    return out;
}

// The unshuffled deal: slot 14 holds the two of spades, the stock 21..26, 3, 28..39, 4, 41..52.
class Stock : public ::testing::Test {
  protected:
    SequenceRandomSource random_{{0.0f}};
    Game game_{random_};
    const GameState& s() const { return game_.state(); }
    const BoardModel& b() const { return game_.board(); }
};

TEST_F(Stock, FirstPassTurnsTheStockInOrderThenOffersTheTurnOver) {
    play(game_, "D");
    const auto deck = s().Deck.items();
    for (int turn = 21; turn <= 52; ++turn) {
        EXPECT_EQ(b().img_deck.Picture, Picture::card(0));
        game_.img_deck_Click();
        ASSERT_EQ(b().img_dealt.Picture, Picture::card(deck[static_cast<std::size_t>(turn - 1)]));
    }
    EXPECT_EQ(b().img_deck.Picture, img_click);
    EXPECT_EQ(s().StockRunOut, 1);
    EXPECT_EQ(s().DeckEnd, 32);
    EXPECT_EQ(s().DealtCount, 32);

    game_.img_deck_Click();
    EXPECT_EQ(b().img_deck.Picture, Picture::card(0));
    EXPECT_EQ(b().img_dealt.Picture, img_blank);
    game_.img_deck_Click();
    EXPECT_EQ(b().img_dealt.Picture, Picture::card(21))
        << "the old bottom of the waste comes first";
}

TEST_F(Stock, SecondPassHoldsWhatTheWasteHeldAndThenIsSpent) {
    // Play the 2 of spades away, then 3 and 4 of spades from the waste, and park the heart
    // the king in the hearts group: 30 cards on the waste at the run-out, then 29.
    play(game_,
         "D t14 f1 " + clicks("S ", 7) + "W f1 " + clicks("S ", 13) + "W f1 " + clicks("S ", 12));
    ASSERT_EQ(b().img_deck.Picture, img_click);
    ASSERT_EQ(s().DealtCount, 30);
    play(game_, "W t14");
    EXPECT_EQ(s().DeckEnd, 29) << "DeckEnd follows the waste while the turn-over is offered";
    EXPECT_EQ(b().img_dealt.Picture, Picture::card(51));
    play(game_, "S");
    EXPECT_EQ(s().DeckEnd, 29);
    EXPECT_EQ(s().Deck.size(), 29);
    play(game_, clicks("S ", 28));
    EXPECT_EQ(b().img_deck.Picture, Picture::card(0));
    play(game_, "S");
    EXPECT_EQ(b().img_deck.Picture, img_blank);
    EXPECT_EQ(b().img_dealt.Picture, Picture::card(51));
    const GameState spent = s();
    play(game_, "S S");
    EXPECT_EQ(s().DealtCount, spent.DealtCount);
    EXPECT_EQ(s().DeckPos, spent.DeckPos);
}

// The waste is played down as the moves do it, through ShowPreviousCard, while the turn-over
// is offered.
TEST_F(Stock, WasteOfOneCardMakesASecondPassOfOneTurn) {
    play(game_, "D " + clicks("S ", 32));
    for (int i = 0; i < 31; ++i) {
        game_.ShowPreviousCard();
    }
    ASSERT_EQ(s().DeckEnd, 1);
    play(game_, "S");
    EXPECT_EQ(b().img_deck.Picture, Picture::card(0));
    play(game_, "S");
    EXPECT_EQ(b().img_deck.Picture, img_blank);
    EXPECT_EQ(b().img_dealt.Picture, Picture::card(21));
}

TEST_F(Stock, TurningOverAnEmptyWasteSpendsTheStockAtOnce) {
    play(game_, "D " + clicks("S ", 32));
    for (int i = 0; i < 32; ++i) {
        game_.ShowPreviousCard();
    }
    ASSERT_EQ(b().img_dealt.Picture, img_blank);
    ASSERT_EQ(s().DeckEnd, 0);
    play(game_, "S");
    EXPECT_EQ(b().img_deck.Picture, img_blank);
    EXPECT_EQ(b().img_dealt.Picture, img_blank);
    EXPECT_EQ(s().DeckPos, 0);
    EXPECT_EQ(s().DeckEnd, 0);
    play(game_, "S");
    EXPECT_EQ(s().DealtCount, 0) << "no card already on the board is turned again";
    EXPECT_EQ(s().DeckPos, 0);
}

TEST_F(Stock, AStockClickDropsAnyPickAndStillTurns) {
    play(game_, "D S W");
    ASSERT_EQ(b().img_dealt.BorderStyle, 1);
    play(game_, "S");
    EXPECT_EQ(b().img_dealt.BorderStyle, 0);
    EXPECT_EQ(s().CardPicked, 0);
    EXPECT_EQ(s().DealtCount, 2);
    play(game_, "t9 S");
    EXPECT_EQ(b().img_cards(9).BorderStyle, 0);
    EXPECT_EQ(s().CardPicked, 0);
    EXPECT_EQ(s().DealtCount, 3);
}

TEST_F(Stock, WastePicksAndUnpicksOnlyWhenAllowed) {
    play(game_, "D W");
    EXPECT_EQ(s().CardPicked, 0) << "an empty waste cannot be picked";
    play(game_, "S t5 W");
    EXPECT_EQ(b().img_dealt.BorderStyle, 0) << "a tableau pick blocks the waste";
    play(game_, "t5 W");
    EXPECT_EQ(b().img_dealt.BorderStyle, 1);
    EXPECT_EQ(s().CardPicked, 1);
    play(game_, "W");
    EXPECT_EQ(b().img_dealt.BorderStyle, 0);
    EXPECT_EQ(s().CardPicked, 0);
}

TEST_F(Stock, PlayingFromTheWasteShowsTheCardBeneath) {
    play(game_, "D t14 f1 " + clicks("S ", 7));
    ASSERT_EQ(b().img_dealt.Picture, Picture::card(3));
    play(game_, "W f1");
    EXPECT_EQ(b().img_dealt.Picture, Picture::card(26));
    EXPECT_EQ(s().WasteRank, 13);
    EXPECT_EQ(s().WasteSuit, 2);
    EXPECT_EQ(s().DealtList.size(), 6);
}

} // namespace
} // namespace veltrane
