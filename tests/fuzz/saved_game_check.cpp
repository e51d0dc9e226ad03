#include "tests/fuzz/saved_game_check.h"

#include "game/cards.h"
#include "game/game.h"
#include "game/saved_game.h"

#include <array>
#include <exception>
#include <string_view>

namespace veltrane::fuzz {

namespace {

// Every card once: on the foundations up to their tops, in the slots, the waste and the stock.
bool everyCardOnce(const Game& game) {
    const GameState& s = game.state();
    const BoardModel& b = game.board();
    std::array<int, 53> seen{};
    for (int k = 1; k <= 4; ++k) {
        const int top = b.img_ace(k).Picture.cardNumber();
        for (int card = top - s.FoundationTop(k) + 1; card <= top && card > 0; ++card) {
            ++seen.at(static_cast<std::size_t>(card));
        }
    }
    for (int i = 5; i <= 20; ++i) {
        if (b.img_cards(i).Picture.isCard()) {
            ++seen.at(static_cast<std::size_t>(b.img_cards(i).Picture.cardNumber()));
        }
    }
    for (int i = 1; i <= s.DealtCount; ++i) {
        ++seen.at(static_cast<std::size_t>(s.DealtList(i)));
    }
    for (int i = s.DeckPos + 1; i <= s.DeckEnd; ++i) {
        ++seen.at(static_cast<std::size_t>(s.Deck(i)));
    }
    for (std::size_t card = 1; card <= 52; ++card) {
        if (seen.at(card) != 1) {
            return false;
        }
    }
    return true;
}

} // namespace

std::string CheckSavedGame(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SequenceRandomSource unused({0.0f});
    try {
        Game game(unused);
        game.InitNewGame();
        if (ReadSavedGame(text, game).fault != SavedGameFault::None) {
            return game.board().img_cards(5).Picture.isNone() ? "" : "a refused game was laid out";
        }
        if (!everyCardOnce(game)) {
            return "an accepted game has a card in no place or in two";
        }
        const std::string saved = WriteSavedGame(game);
        Game again(unused);
        if (ReadSavedGame(saved, again).fault != SavedGameFault::None ||
            WriteSavedGame(again) != saved) {
            return "an accepted game saves to a text that reads to another game";
        }
        // Clicks all over the board, the stock most: the counters carry play on.
        for (int click = 0; click < 200; ++click) {
            const int place = click * 7 % 23;
            if (place >= 21) {
                game.img_deck_Click();
            } else if (place == 20) {
                game.img_dealt_Click();
            } else if (place >= 4) {
                game.img_cards_Click(static_cast<Int16>(place + 1));
            } else {
                game.img_ace_Click(static_cast<Int16>(place + 1));
            }
        }
    } catch (const std::exception& e) {
        return std::string("an exception escaped: ") + e.what();
    }
    return {};
}

} // namespace veltrane::fuzz
