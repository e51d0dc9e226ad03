// A new game: the board at program start, after Deal, and the empty-slot marks.

#include "game/cards.h"
#include "tests/game/test_support.h"

#include <gtest/gtest.h>

namespace veltrane {
namespace {

using testing::play;

TEST(NewGame, ProgramStartLaysTheAcesAndKeepsTheStockClosed) {
    SeededRandomSource random(3);
    Game game(random);
    game.InitNewGame();
    const auto& b = game.board();
    EXPECT_EQ(b.img_ace(1).Picture, Picture::card(1));
    EXPECT_EQ(b.img_ace(2).Picture, Picture::card(14));
    EXPECT_EQ(b.img_ace(3).Picture, Picture::card(40));
    EXPECT_EQ(b.img_ace(4).Picture, Picture::card(27));
    EXPECT_EQ(b.img_dealt.Picture, img_blank);
    EXPECT_TRUE(b.img_cards(5).Picture.isNone());

    const GameState before = game.state();
    game.img_deck_Click();
    EXPECT_EQ(game.state().DeckPos, before.DeckPos);
    EXPECT_EQ(game.state().DealtCount, 0);
    EXPECT_EQ(game.board().img_deck.Picture, Picture::card(0));
}

TEST(NewGame, DealFillsTheTableauAndOpensTheStock) {
    SeededRandomSource random(11);
    Game game(random);
    play(game, "D");
    const auto& s = game.state();
    for (int i = 5; i <= 20; ++i) {
        EXPECT_EQ(game.board().img_cards(i).Picture, Picture::card(s.Deck(i)));
        EXPECT_EQ(s.SlotRank(i), CardRank(s.Deck(i)));
        EXPECT_EQ(s.SlotSuit(i), CardSuit(s.Deck(i)));
    }
    EXPECT_EQ(s.DeckPos, 20);
    EXPECT_EQ(s.DeckEnd, 52);
    EXPECT_EQ(s.DealtCount, 0);
    EXPECT_EQ(s.StockRunOut, 0);
    EXPECT_EQ(s.AwaitingDeal, VbFalse);
    game.img_deck_Click();
    EXPECT_EQ(game.board().img_dealt.Picture, Picture::card(s.Deck(21)));
}

TEST(NewGame, DealDropsAnyPickOfTheGameItAbandons) {
    SequenceRandomSource random({0.0f});
    Game game(random);
    play(game, "D t7 D");
    EXPECT_EQ(game.board().img_cards(7).BorderStyle, 0);
    play(game, "S W D");
    EXPECT_EQ(game.board().img_dealt.BorderStyle, 0);
    EXPECT_EQ(game.state().CardPicked, 0);
}

TEST(NewGame, ShowBlankMarksEachGroupWithItsSuitAndIgnoresOtherNumbers) {
    SequenceRandomSource random({0.0f});
    Game game(random);
    play(game, "D");
    const struct {
        Int16 slot;
        Picture mark;
    } cases[] = {{5, img_blankSpades},    {8, img_blankSpades},  {9, img_blankDiamonds},
                 {12, img_blankDiamonds}, {13, img_blankHearts}, {16, img_blankHearts},
                 {17, img_blankClubs},    {20, img_blankClubs}};
    for (const auto& c : cases) {
        game.ShowBlank(c.slot);
        EXPECT_EQ(game.board().img_cards(c.slot).Picture, c.mark) << c.slot;
    }
    const BoardModel before = game.board();
    game.ShowBlank(4);
    game.ShowBlank(21);
    for (int i = 5; i <= 20; ++i) {
        EXPECT_EQ(game.board().img_cards(i).Picture, before.img_cards(i).Picture);
    }
}

} // namespace
} // namespace veltrane
