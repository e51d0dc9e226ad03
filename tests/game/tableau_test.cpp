// Picking tableau cards and placing cards into empty slots of their suit's group.

#include "game/cards.h"
#include "tests/game/test_support.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

using testing::play;

// The unshuffled deal: spades 5..K in slots 5..13, the two of spades in slot 14.
class Tableau : public ::testing::Test {
  protected:
    SequenceRandomSource random_{{0.0f}};
    Game game_{random_};
    const GameState& s() const { return game_.state(); }
    const BoardModel& b() const { return game_.board(); }
    int framed() const {
        int n = b().img_dealt.BorderStyle;
        for (int i = 5; i <= 20; ++i) {
            n += b().img_cards(i).BorderStyle;
        }
        return n;
    }
    // Spades up to the four on foundation 1; slot 14 empty (hearts), 18 cards on the waste.
    void spadesToFour() {
        play(game_, "D t14 f1 S S S S S S S W f1 S S S S S S S S S S S S S W f1");
        ASSERT_EQ(s().FoundationTop(1), 4);
    }
};

TEST_F(Tableau, OneCardAtATimeIsSelected) {
    play(game_, "D t5");
    EXPECT_EQ(b().img_cards(5).BorderStyle, 1);
    EXPECT_EQ(s().CardPicked, 1);
    play(game_, "t6");
    EXPECT_EQ(b().img_cards(6).BorderStyle, 0) << "a second card is not selected";
    EXPECT_EQ(b().img_cards(5).BorderStyle, 1);
    play(game_, "t5");
    EXPECT_EQ(framed(), 0);
    EXPECT_EQ(s().CardPicked, 0);
    play(game_, "t5 t5 t6");
    EXPECT_EQ(b().img_cards(6).BorderStyle, 1);
    EXPECT_EQ(framed(), 1);
}

TEST_F(Tableau, EmptySlotIsNeverSelected) {
    play(game_, "D t14 f1 t14");
    EXPECT_EQ(b().img_cards(14).Picture, img_blankHearts);
    EXPECT_EQ(framed(), 0);
    EXPECT_EQ(s().CardPicked, 0);
}

TEST_F(Tableau, CardsMoveIntoEmptySlotsOfTheirSuitsGroupOnly) {
    spadesToFour();
    play(game_, "t5 f1 t6 t5");
    EXPECT_EQ(b().img_cards(5).Picture, Picture::card(6));
    EXPECT_EQ(b().img_cards(6).Picture, img_blankSpades);
    EXPECT_EQ(s().SlotRank(5), 6);
    EXPECT_EQ(framed(), 0);

    // A spade from group 2 into group 1: the emptied slot takes its own group's mark.
    play(game_, "t10 t6");
    EXPECT_EQ(b().img_cards(6).Picture, Picture::card(10));
    EXPECT_EQ(b().img_cards(10).Picture, img_blankDiamonds);
    EXPECT_EQ(s().SlotRank(10), 10) << "an emptied slot keeps its counters";

    // A spade is refused by the hearts and diamonds groups and stays selected.
    play(game_, "t9 t14 t10");
    EXPECT_EQ(b().img_cards(9).BorderStyle, 1);
    EXPECT_EQ(b().img_cards(14).Picture, img_blankHearts);
    EXPECT_EQ(b().img_cards(10).Picture, img_blankDiamonds);
    EXPECT_EQ(s().CardPicked, 1);
}

TEST_F(Tableau, WasteCardsOfAnyRankGoIntoTheirGroup) {
    spadesToFour();
    play(game_, "t5 f1 S S S S S S S S S S S S");
    ASSERT_EQ(b().img_dealt.Picture, Picture::card(52));
    play(game_, "W t5");
    EXPECT_EQ(b().img_cards(5).Picture, img_blankSpades) << "a heart is refused by the spades";
    EXPECT_EQ(b().img_dealt.BorderStyle, 1);
    play(game_, "t14");
    EXPECT_EQ(b().img_cards(14).Picture, Picture::card(52));
    EXPECT_EQ(s().SlotRank(14), 13);
    EXPECT_EQ(s().SlotSuit(14), 4);
    EXPECT_EQ(b().img_dealt.Picture, Picture::card(51));
    EXPECT_EQ(s().DealtCount, 29);
    EXPECT_EQ(framed(), 0);
    EXPECT_EQ(s().CardPicked, 0);
}

TEST_F(Tableau, WasteIsTriedBeforeTheTableau) {
    spadesToFour();
    play(game_, "t5 f1 S S S S S S S S S S S S");
    // Two frames never happen in play; set them both to see which source wins.
    game_.board().img_dealt.BorderStyle = 1;
    game_.board().img_cards(6).BorderStyle = 1;
    game_.state().WasteSuit = Spades;
    game_.state().CardPicked = 1;
    play(game_, "t5");
    EXPECT_EQ(b().img_cards(5).Picture, Picture::card(52));
    EXPECT_EQ(b().img_cards(6).BorderStyle, 1);
}

TEST_F(Tableau, UndealtSlotFramesLikeACardButCannotMove) {
    game_.InitNewGame();
    play(game_, "t5 f1");
    EXPECT_EQ(b().img_cards(5).BorderStyle, 1);
    EXPECT_EQ(s().CardPicked, 1);
    EXPECT_EQ(s().FoundationTop(1), 1);
    play(game_, "t5");
    EXPECT_EQ(framed(), 0);
    EXPECT_EQ(s().CardPicked, 0);
}

} // namespace
} // namespace veltrane
