// A new game: the board at program start, after Deal, and the empty-slot marks.

#include "game/cards.h"
#include "tests/game/test_support.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <set>

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
    // The unshuffled deck: the aces lead it, so the slots get the five to the king of spades,
    // the two of spades that the ace of diamonds changed places with, and the two to the seven
    // of diamonds; the stock begins with the eight of diamonds.
    const struct {
        Int16 card, rank, suit;
    } tableau[16] = {{5, 5, Spades},    {6, 6, Spades},    {7, 7, Spades},    {8, 8, Spades},
                     {9, 9, Spades},    {10, 10, Spades},  {11, 11, Spades},  {12, 12, Spades},
                     {13, 13, Spades},  {2, 2, Spades},    {15, 2, Diamonds}, {16, 3, Diamonds},
                     {17, 4, Diamonds}, {18, 5, Diamonds}, {19, 6, Diamonds}, {20, 7, Diamonds}};
    SequenceRandomSource random({0.0f});
    Game game(random);
    play(game, "D");
    const auto& s = game.state();
    for (int i = 5; i <= 20; ++i) {
        const auto& expected = tableau[i - 5];
        EXPECT_EQ(game.board().img_cards(i).Picture, Picture::card(expected.card)) << i;
        EXPECT_EQ(s.SlotRank(i), expected.rank) << i;
        EXPECT_EQ(s.SlotSuit(i), expected.suit) << i;
    }
    EXPECT_EQ(s.DeckPos, 20);
    EXPECT_EQ(s.DeckEnd, 52);
    EXPECT_EQ(s.DealtCount, 0);
    EXPECT_EQ(s.StockRunOut, 0);
    EXPECT_EQ(s.AwaitingDeal, VbFalse);
    game.img_deck_Click();
    EXPECT_EQ(game.board().img_dealt.Picture, Picture::card(21));
}

TEST(NewGame, AShuffledDealShowsSixteenDifferentCardsThatAgreeWithTheirCounters) {
    for (std::uint64_t seed : {1U, 11U, 12345U}) {
        SCOPED_TRACE(seed);
        SeededRandomSource random(seed);
        Game game(random);
        play(game, "D");
        const auto& s = game.state();
        std::set<int> cards;
        for (int i = 5; i <= 20; ++i) {
            const Picture shown = game.board().img_cards(i).Picture;
            ASSERT_TRUE(shown.isCard()) << i;
            const int card = shown.cardNumber();
            // The aces are on the foundations; card n is rank and suit (n - 1) mod 13 + 1 and
            // (n - 1) / 13 + 1 read backwards.
            EXPECT_GE(s.SlotRank(i), 2) << i;
            EXPECT_LE(s.SlotRank(i), 13) << i;
            EXPECT_EQ((s.SlotSuit(i) - 1) * 13 + s.SlotRank(i), card) << i;
            cards.insert(card);
        }
        EXPECT_EQ(cards.size(), 16U);
    }
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
