// Thousands of seeded games played with random and with greedy clicks; after every click
// every card is in exactly one place and the selection frame agrees with CardPicked, and every
// few moves the game's saved game, read back, plays on as the same game.

#include "game/cards.h"
#include "game/saved_game.h"
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

// Any place, by number: the stock, the waste, slots 5 to 20, foundations 1 to 4.
void clickPlace(Game& game, int place) {
    if (place == 0) {
        game.img_deck_Click();
    } else if (place == 1) {
        game.img_dealt_Click();
    } else if (place <= 17) {
        game.img_cards_Click(static_cast<Int16>(place + 3));
    } else {
        game.img_ace_Click(static_cast<Int16>(place - 17));
    }
}

bool samePictures(const Game& a, const Game& b) {
    const auto same = [](const Place& p, const Place& q) {
        return p.Picture == q.Picture && p.BorderStyle == q.BorderStyle;
    };
    bool all = same(a.board().img_deck, b.board().img_deck) &&
               same(a.board().img_dealt, b.board().img_dealt);
    for (int i = 1; i <= 20; ++i) {
        all = all && (i <= 4 ? same(a.board().img_ace(i), b.board().img_ace(i))
                             : same(a.board().img_cards(i), b.board().img_cards(i)));
    }
    return all;
}

// The game read back from its saved game is the game that was saved, less its pick: the same
// board, and the same answer to every click after.
std::string savedGameFaults(const Game& game, std::mt19937& rng) {
    Game saved = game;
    saved.setWinHandler({});
    SequenceRandomSource unused({0.0f});
    Game restored(unused);
    if (ReadSavedGame(WriteSavedGame(game), restored).fault != SavedGameFault::None) {
        return "its saved game is refused";
    }
    if (saved.board().img_dealt.BorderStyle == 1) {
        saved.img_dealt_Click();
    }
    for (Int16 i = 5; i <= 20; ++i) {
        if (saved.board().img_cards(i).BorderStyle == 1) {
            saved.img_cards_Click(i);
        }
    }
    for (int click = 0; click < 30; ++click) {
        if (!samePictures(saved, restored)) {
            return "the saved game read back differs after " + std::to_string(click) + " clicks";
        }
        const int place = std::uniform_int_distribution<int>(0, 21)(rng);
        clickPlace(saved, place);
        clickPlace(restored, place);
    }
    return {};
}

class Player {
  public:
    Player(Game& game, std::uint32_t seed) : game_(game), rng_(seed) {}

    // Any place, chosen at random: the rules must shrug off every click.
    void randomClick() { clickPlace(game_, pick(0, 21)); }

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
    std::mt19937 afterwards(777);
    int wins = 0;
    Game game(random, [&wins] { ++wins; });
    for (std::uint32_t round = 0; round < 1500; ++round) {
        Player player(game, round);
        testing::play(game, "D");
        for (int move = 0; move < 400 && game.state().AwaitingDeal == VbFalse; ++move) {
            if (!player.greedyMove()) {
                break;
            }
            const auto faults =
                invariantFaults(game) + (move % 4 == 0 ? savedGameFaults(game, afterwards) : "");
            ASSERT_TRUE(faults.empty()) << "game " << round << " move " << move << ": " << faults;
        }
    }
    EXPECT_GT(wins, 0);
}

} // namespace
} // namespace veltrane
