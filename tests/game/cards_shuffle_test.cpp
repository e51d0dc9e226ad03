// Card numbering, the shuffle under extreme and exact draws, the random sources and the
// run-time error checks.

#include "game/cards.h"
#include "game/game.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numeric>
#include <set>

namespace veltrane {
namespace {

std::vector<Int16> deckOf(const Game& game) {
    return game.state().Deck.items();
}

std::vector<Int16> shuffled(std::vector<float> draws) {
    SequenceRandomSource random(std::move(draws));
    Game game(random);
    game.ShuffleDeck();
    return deckOf(game);
}

// 1..52 with the aces brought to the front, as every shuffle starts.
std::vector<Int16> acesFirst() {
    std::vector<Int16> deck(52);
    std::iota(deck.begin(), deck.end(), Int16{1});
    std::swap(deck[1], deck[13]);
    std::swap(deck[2], deck[26]);
    std::swap(deck[3], deck[39]);
    return deck;
}

TEST(Cards, RankAndSuitAtTheSuitBoundaries) {
    const struct {
        Int16 card, rank, suit;
    } cases[] = {{1, 1, Spades}, {13, 13, Spades}, {14, 1, Diamonds}, {26, 13, Diamonds},
                 {27, 1, Clubs}, {39, 13, Clubs},  {40, 1, Hearts},   {52, 13, Hearts}};
    for (const auto& c : cases) {
        EXPECT_EQ(CardRank(c.card), c.rank) << c.card;
        EXPECT_EQ(CardSuit(c.card), c.suit) << c.card;
    }
}

TEST(Shuffle, AlwaysZeroLeavesEveryCardWhereTheAcesPutIt) {
    const std::vector<Int16> expected{1, 14, 27, 40, 5,  6,  7,  8,  9,  10, 11, 12, 13,
                                      2, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26,
                                      3, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39,
                                      4, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52};
    EXPECT_EQ(shuffled({0.0f}), expected);
}

TEST(Shuffle, LargestDrawExchangesEveryStepWithTheLastPosition) {
    auto expected = acesFirst();
    for (std::size_t b = 5; b <= 51; ++b) {
        std::swap(expected[b - 1], expected[51]);
    }
    EXPECT_EQ(shuffled({std::nextafter(1.0f, 0.0f)}), expected);
}

TEST(Shuffle, ExactHalvesRoundToTheEvenPosition) {
    // b = 5: x = 28.5 goes to 28. b = 51: x = 51.5 goes to 52.
    auto expected = acesFirst();
    std::swap(expected[4], expected[27]);
    EXPECT_EQ(shuffled({0.5f, 0.0f}), expected);

    std::vector<float> draws(46, 0.0f);
    draws.push_back(0.5f);
    expected = acesFirst();
    std::swap(expected[50], expected[51]);
    EXPECT_EQ(shuffled(draws), expected);
}

TEST(Shuffle, RestoresAFullDeckAfterATurnOverShortenedIt) {
    SeededRandomSource random(7);
    Game game(random);
    game.state().Deck.resizePreserve(7);
    game.ShuffleDeck();
    auto deck = deckOf(game);
    ASSERT_EQ(deck.size(), 52u);
    EXPECT_EQ(std::vector<Int16>(deck.begin(), deck.begin() + 4),
              (std::vector<Int16>{1, 14, 27, 40}));
    std::sort(deck.begin(), deck.end());
    std::vector<Int16> all(52);
    std::iota(all.begin(), all.end(), Int16{1});
    EXPECT_EQ(deck, all);
}

TEST(RandomSources, SeededSourceTakesTheNextSeedAtEveryShuffle) {
    SeededRandomSource first(1000);
    Game twice(first);
    twice.ShuffleDeck();
    const auto deckOfSeed1000 = deckOf(twice);
    twice.ShuffleDeck();
    SeededRandomSource second(1001);
    Game once(second);
    once.ShuffleDeck();
    EXPECT_EQ(deckOf(twice), deckOf(once));
    EXPECT_NE(deckOfSeed1000, deckOf(once));
}

TEST(RandomSources, ClockSourceNeverRepeatsADealAndDrawsTwentyFourBitValues) {
    ClockRandomSource random;
    Game game(random);
    std::set<std::vector<Int16>> decks;
    for (int i = 0; i < 200; ++i) {
        game.ShuffleDeck();
        decks.insert(deckOf(game));
    }
    EXPECT_EQ(decks.size(), 200u);
    for (int i = 0; i < 10000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        ASSERT_EQ(r * 0x1p24f, std::floor(r * 0x1p24f));
    }
}

TEST(RandomSources, SequenceKeepsItsLastValueAcrossReseeds) {
    SequenceRandomSource random({0.25f, 0.5f});
    EXPECT_EQ(random.next(), 0.25f);
    random.reseed();
    EXPECT_EQ(random.next(), 0.5f);
    random.reseed();
    EXPECT_EQ(random.next(), 0.5f);
    EXPECT_THROW(SequenceRandomSource({0.5f, 1.0f}), std::invalid_argument);
    EXPECT_THROW(SequenceRandomSource({-0.25f}), std::invalid_argument);
}

template <typename F> int errorNumber(F f) {
    try {
        f();
    } catch (const RuntimeError& e) {
        return e.number();
    }
    return 0;
}

TEST(RuntimeErrors, OverflowAndSubscriptChecksFire) {
    EXPECT_EQ(errorNumber([] { toInt16(40000); }), ErrOverflow);
    EXPECT_EQ(errorNumber([] { add16(32767, 1); }), ErrOverflow);
    EXPECT_EQ(errorNumber([] { sub16(-32768, 1); }), ErrOverflow);
    EXPECT_EQ(errorNumber([] { Picture::card(53); }), ErrSubscript);

    SequenceRandomSource random({0.0f});
    Game game(random);
    game.ShuffleDeck();
    EXPECT_EQ(errorNumber([&] { return game.state().Deck(53); }), ErrSubscript);
    EXPECT_EQ(errorNumber([&] { return game.state().Deck(0); }), ErrSubscript);
    EXPECT_EQ(errorNumber([&] { return game.state().SlotRank(53); }), ErrSubscript);
    EXPECT_EQ(errorNumber([&] { return game.board().img_cards(4); }), ErrSubscript);

    try {
        toInt16(-40000);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_STREQ(e.what(), "Overflow");
    }
    // A turn with the counter at its limit stops the game rather than wrapping around.
    game.state().DeckPos = 32767;
    game.state().DeckEnd = 32767;
    EXPECT_EQ(errorNumber([&] { game.DealCard(); }), ErrOverflow);
}

} // namespace
} // namespace veltrane
