// Building the foundations, the win and what follows it.

#include "tests/game/test_support.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

using testing::play;

class Foundation : public ::testing::Test {
  protected:
    SequenceRandomSource random_{{0.0f}};
    int wins_ = 0;
    Game game_{random_, [this] {
                   ++wins_;
                   EXPECT_EQ(game_.state().AwaitingDeal, VbTrue) << "the stock closes first";
               }};
    const GameState& s() const { return game_.state(); }
    const BoardModel& b() const { return game_.board(); }
};

TEST_F(Foundation, OnlyTheNextRankOfTheSuitIsTaken) {
    play(game_, "D t14 f2 f3 f4");
    EXPECT_EQ(b().img_cards(14).BorderStyle, 1) << "the two of spades stays selected";
    EXPECT_EQ(s().FoundationTop(2), 1);
    play(game_, "t14 t13 f1");
    EXPECT_EQ(b().img_cards(13).BorderStyle, 1) << "the king does not go on the ace";
    play(game_, "t13 t14 f1");
    EXPECT_EQ(s().FoundationTop(1), 2);
    EXPECT_EQ(b().img_ace(1).Picture, Picture::card(2));
    EXPECT_EQ(b().img_cards(14).Picture, img_blankHearts) << "the mark of the slot's own group";
    EXPECT_EQ(b().img_cards(14).BorderStyle, 0);
    EXPECT_EQ(s().CardPicked, 0);
}

// A click that changes nothing reports why, in the rules' own terms; one that does, Done.
TEST_F(Foundation, EveryRefusedClickReportsWhy) {
    using enum ClickOutcome;
    game_.InitNewGame();
    EXPECT_EQ(play(game_, "S"), NotDealt) << "before the first deal";
    EXPECT_EQ(play(game_, "D f1"), NothingPicked);
    EXPECT_EQ(play(game_, "t14 f2"), WrongSuit) << "the two of spades on diamonds";
    EXPECT_EQ(play(game_, "t13"), OtherPicked);
    EXPECT_EQ(play(game_, "W"), OtherPicked);
    EXPECT_EQ(play(game_, "t14 t13 f1"), WrongRank) << "the king of spades on the ace";
    EXPECT_EQ(play(game_, "t13 t14 f1"), Done);
    EXPECT_EQ(play(game_, "t14"), NothingPicked) << "an empty slot";
    EXPECT_EQ(play(game_, "W"), WasteEmpty);
    EXPECT_EQ(play(game_, "S W t14"), WrongSuit) << "the eight of diamonds in a hearts slot";
    // The rest of the first pass, the turn-over and the whole second pass leave no pass.
    for (int click = 0; click < 31 + 1 + 32; ++click) {
        EXPECT_EQ(play(game_, "S"), Done) << click;
    }
    EXPECT_EQ(play(game_, "S"), NoPassLeft);
}

TEST_F(Foundation, WasteCardGoesUpAndTheCardBeneathShows) {
    play(game_, "D t14 f1 S S S S S S S W f1");
    EXPECT_EQ(s().FoundationTop(1), 3);
    EXPECT_EQ(b().img_dealt.Picture, Picture::card(26));
    EXPECT_EQ(s().CardPicked, 0);

    // The two of spades brought to the top of the stock (b = 14 exchanges with 21) is the
    // waste's only card: playing it empties the waste.
    SequenceRandomSource random({0, 0, 0, 0, 0, 0, 0, 0, 0, 7.0f / 38.0f, 0});
    Game single(random);
    play(single, "D S W f1");
    EXPECT_EQ(single.state().FoundationTop(1), 2);
    EXPECT_EQ(single.state().DealtCount, 0);
    EXPECT_EQ(single.board().img_dealt.Picture, img_blank);
    play(single, "W");
    EXPECT_EQ(single.state().CardPicked, 0);
}

TEST_F(Foundation, ClickWithNothingSelectedChangesNothing) {
    play(game_, "D");
    const GameState before = s();
    play(game_, "f1 f2 f3 f4");
    EXPECT_EQ(s().FoundationTop(1), before.FoundationTop(1));
    EXPECT_EQ(s().AwaitingDeal, VbFalse);
    EXPECT_EQ(wins_, 0);
}

TEST_F(Foundation, FourthKingWinsAndClosesTheStockUntilTheNextDeal) {
    play(game_, testing::unshuffledWinAllButLast());
    ASSERT_EQ(wins_, 0);
    ASSERT_EQ(s().FoundationTop(3), 12);
    play(game_, "f3");
    EXPECT_EQ(wins_, 1);
    EXPECT_EQ(s().AwaitingDeal, VbTrue);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(s().FoundationTop(k), 13);
    }
    for (int i = 5; i <= 20; ++i) {
        EXPECT_TRUE(b().img_cards(i).Picture.isEmptySlotMark()) << i;
    }
    EXPECT_TRUE(testing::cardPlacementFaults(game_).empty());

    const GameState won = s();
    EXPECT_EQ(play(game_, "S"), ClickOutcome::NotDealt);
    EXPECT_EQ(s().DeckPos, won.DeckPos);
    EXPECT_EQ(play(game_, "f2"), ClickOutcome::Done);
    EXPECT_EQ(wins_, 2) << "a foundation click after the win opens the dialog again";
    play(game_, "D");
    EXPECT_EQ(s().AwaitingDeal, VbFalse);
    play(game_, "S");
    EXPECT_EQ(s().DealtCount, 1);
}

} // namespace
} // namespace veltrane
