#include "tests/fuzz/saved_game_check.h"

#include "game/saved_game.h"
#include "tests/game/test_support.h"

#include <exception>
#include <string_view>

namespace veltrane::fuzz {

std::string CheckSavedGame(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    SequenceRandomSource unused({0.0f});
    try {
        Game game(unused);
        game.InitNewGame();
        if (ReadSavedGame(text, game).fault != SavedGameFault::None) {
            return game.board().img_cards(5).Picture.isNone() ? "" : "a refused game was laid out";
        }
        // Clicks all over the board, on the stock most: the counters must carry play on.
        for (int click = 0; click < 200; ++click) {
            if (!testing::cardPlacementFaults(game).empty()) {
                return "after " + std::to_string(click) + " clicks a card is in no place or two";
            }
            const int place = click * 7 % 25;
            if (place >= 20) {
                game.img_deck_Click();
            } else if (place >= 16) {
                game.img_ace_Click(static_cast<Int16>(place - 15));
            } else {
                game.img_cards_Click(static_cast<Int16>(place + 5));
                game.img_dealt_Click();
            }
        }
    } catch (const std::exception& e) {
        return std::string("an exception escaped: ") + e.what();
    }
    return {};
}

} // namespace veltrane::fuzz
