#pragma once
// The game in progress as a small text a person can read, kept while a session manager has the
// game away. Seven lines, each a name and its words, separated by spaces:
//
//     veltrane saved game 1          the format and its version
//     deal AS AD AC AH 5S ... KH     the deck as Deal dealt it, 52 cards
//     foundations 3S AD AH AC        the top cards of foundations 1 to 4
//     slots 5S 6S - 8S ... 7D        slots 5 to 20, "-" for an empty one
//     stock 9D 10D JD ...            face down, the next card to turn first
//     waste 8D 2C                    bottom first, the card on show last
//     passes 0                       how often the stock has run out: 0, 1 or 2
//
// A card is its rank (A, 2 .. 10, J, Q, K) and its suit (S, D, C, H). With the stock run out
// once (passes 1) an empty stock offers the turn-over and a full one is the second pass; at 2 it
// is spent. Four kings on the foundations are a won game. Nothing picked is kept.
//
// Reading trusts nothing: it takes only a position the rules reach from the deal it names, and
// otherwise says why not and leaves the game as it was.

#include "game/runtime_error.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace veltrane {

class Game;

// The most a saved game may hold; a real one is under 400 bytes.
inline constexpr std::size_t kSavedGameMaxBytes = 4096;

// A position as a saved game holds it, the cards by their numbers.
struct SavedPosition {
    std::array<Int16, 52> deal{};
    std::array<Int16, 4> foundations{}; // the top card of each
    std::array<Int16, 16> slots{};      // 0 for an empty slot
    std::vector<Int16> stock;           // the next card to turn first
    std::vector<Int16> waste;           // the card on show last
    Int16 passes = 0;
};

enum class SavedGameFault {
    None,
    TooLarge,
    NotASavedGame,
    UnknownVersion,
    CutShort,
    Unreadable,  // a line that is not what its place asks for
    CardTwice,   // a card that lies in another place too
    CardMissing, // fewer than 52 cards in play
    Unreachable, // no play from the deal leads there
};

struct SavedGameReading {
    SavedGameFault fault = SavedGameFault::None;
    int line = 0; // the line at fault, from 1, for Unreadable and CardTwice
};

// The saved game of the game in progress; empty when nothing has been dealt since the start.
std::string WriteSavedGame(const Game& game);

// Lays a saved game on the board, with nothing picked, when the text holds a position the rules
// can reach; otherwise the game is left untouched and the answer says what is wrong.
SavedGameReading ReadSavedGame(std::string_view text, Game& game);

} // namespace veltrane
