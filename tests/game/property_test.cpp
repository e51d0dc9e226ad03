// Thousands of seeded games played with random and with greedy clicks; after every click
// every card is in exactly one place and the selection frame agrees with CardPicked.

#include "game/cards.h"
#include "tests/game/test_support.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace veltrane {
namespace {

std::string invariantFaults(const Game& game) {
    std::string faults;
    for (const auto& fault : testing::cardPlacementFaults(game)) {
        faults += fault + "; ";
    }
    const auto& b = game.board();
    const auto& s = game.state();
    int frames = b.img_dealt.BorderStyle;
    for (int i = 5; i <= 20; ++i) {
        frames += b.img_cards(i).BorderStyle;
        if (b.img_cards(i).BorderStyle == 1 && b.img_cards(i).Picture.isEmptySlotMark()) {
            faults += "an empty slot is framed; ";
        }
    }
    for (int k = 1; k <= 4; ++k) {
        frames += b.img_ace(k).BorderStyle;
    }
    frames += b.img_deck.BorderStyle;
    if (frames > 1) {
        faults += "more than one frame; ";
    }
    if (s.CardPicked != frames) {
        faults += "CardPicked disagrees with the frames; ";
    }
    if (s.DeckPos < s.DeckEnd && b.img_deck.Picture != Picture::card(0)) {
        faults += "a stock with cards does not show the back; ";
    }
    return faults;
}

class Player {
  public:
    Player(Game& game, std::uint32_t seed) : game_(game), rng_(seed) {}

    // Any place, chosen at random: the rules must shrug off every click.
    void randomClick() {
        const int place = pick(0, 21);
        if (place == 0) {
            game_.img_deck_Click();
        } else if (place == 1) {
            game_.img_dealt_Click();
        } else if (place <= 17) {
            game_.img_cards_Click(static_cast<Int16>(place + 3));
        } else {
            game_.img_ace_Click(static_cast<Int16>(place - 17));
        }
    }

    // Clicks that build the foundations where it can, parks cards in empty slots of their
    // group, and otherwise turns the stock. Returns false when nothing is left to do.
    bool greedyMove() {
        auto& s = game_.state();
        auto& b = game_.board();
        for (Int16 k = 1; k <= 4; ++k) {
            for (Int16 i = 5; i <= 20; ++i) {
                if (b.img_cards(i).Picture.isCard() && s.SlotSuit(i) == s.FoundationSuit(k) &&
                    s.SlotRank(i) == s.FoundationTop(k) + 1) {
                    click(i);
                    game_.img_ace_Click(k);
                    return true;
                }
            }
            if (s.DealtCount > 0 && s.WasteSuit == s.FoundationSuit(k) &&
                s.WasteRank == s.FoundationTop(k) + 1) {
                game_.img_dealt_Click();
                game_.img_ace_Click(k);
                return true;
            }
        }
        if (s.DealtCount > 0 && pick(0, 1) == 0) {
            for (Int16 g = 1; g <= 4; ++g) {
                const auto first = static_cast<Int16>(4 * g + 1);
                const auto last = static_cast<Int16>(first + 3);
                for (Int16 i = first; i <= last; ++i) {
                    if (b.img_cards(i).Picture.isEmptySlotMark() &&
                        s.WasteSuit == s.FoundationSuit(g)) {
                        game_.img_dealt_Click();
                        game_.img_cards_Click(i);
                        return true;
                    }
                }
            }
        }
        if (b.img_deck.Picture == img_blank) {
            return false;
        }
        game_.img_deck_Click();
        return true;
    }

  private:
    void click(Int16 slot) {
        if (game_.state().CardPicked == 1) {
            game_.img_deck_Click();
        }
        game_.img_cards_Click(slot);
    }
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    Game& game_;
    std::mt19937 rng_;
};

TEST(Properties, RandomClicksKeepEveryCardInExactlyOnePlace) {
    SeededRandomSource random(20240);
    Game game(random);
    for (std::uint32_t round = 0; round < 1500; ++round) {
        Player player(game, round);
        testing::play(game, "D");
        for (int click = 0; click < 150; ++click) {
            player.randomClick();
            const auto faults = invariantFaults(game);
            ASSERT_TRUE(faults.empty()) << "game " << round << " click " << click << ": " << faults;
        }
    }
}

TEST(Properties, GreedyGamesKeepEveryCardInExactlyOnePlaceAndSomeAreWon) {
    SeededRandomSource random(777);
    int wins = 0;
    Game game(random, [&wins] { ++wins; });
    for (std::uint32_t round = 0; round < 1500; ++round) {
        Player player(game, round);
        testing::play(game, "D");
        for (int move = 0; move < 400 && game.state().AwaitingDeal == VbFalse; ++move) {
            if (!player.greedyMove()) {
                break;
            }
            const auto faults = invariantFaults(game);
            ASSERT_TRUE(faults.empty()) << "game " << round << " move " << move << ": " << faults;
        }
    }
    EXPECT_GT(wins, 0);
}

} // namespace
} // namespace veltrane
