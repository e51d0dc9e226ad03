#pragma once
// The solver's view of a position: what lies on the foundations, in the sixteen slots and in
// the stock and the waste, with the whole order of the stock known. It is read from the rules
// engine and changed only by whole moves (a card from one place to another, or a stock click).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace veltrane {
class Game;
}

namespace veltrane::solve {

using CardId = std::int8_t; // card number 1..52, 0 for none

int rankOf(int card);
int suitOf(int card);
// "the four of hearts"
std::string cardName(int card);

inline constexpr int kSlots = 16;    // slots 5..20 are entries 0..15
inline constexpr int kFirstSlot = 5; // the engine's number of entry 0
inline constexpr int kMaxStock = 32; // cards that are not dealt into the slots
inline constexpr int groupOfEntry(int entry) {
    return entry / 4;
}

struct Layout {
    // Foundation k (entry k - 1) builds foundationSuit and shows foundationTop (1 ace .. 13).
    std::array<std::int8_t, 4> foundationSuit{};
    std::array<std::int8_t, 4> foundationTop{};
    // The card in each slot, 0 where the slot is empty.
    std::array<CardId, kSlots> slot{};
    // The waste from bottom to top, then the stock in the order it turns.
    std::vector<CardId> order;
    int turned = 0;          // the first `turned` cards of order are the waste
    bool secondPass = false; // the waste has been turned over into the stock

    int wasteTop() const { return turned > 0 ? order[static_cast<std::size_t>(turned - 1)] : 0; }
    // The foundation (0..3) that builds this card's suit; its slot group has the same number.
    int foundationOf(int card) const;
    bool won() const;
    // The stock offers a click: a card to turn, or the turn-over of the waste.
    bool stockLive() const { return turned < static_cast<int>(order.size()) || !secondPass; }
};

enum class ReadResult { Play, Won, Closed };

// Reads the position a game is in. Won: every foundation at the king. Closed: no game has
// been dealt (none since the program started, or none since the last new game, when the
// stock takes no clicks and at most the sixteen slot cards could move), so nothing wins it.
ReadResult readLayout(const Game& game, Layout& layout);

// Every card 1..52 in exactly one place, and the counts within bounds; the text names the
// first fault, empty when there is none.
std::string layoutFault(const Layout& layout);

// A whole move of the solver: a stock click, or one card from where it lies to a foundation
// or to a free slot of its own group ("home"), from the waste or from a slot of another group.
enum class MoveKind : std::uint8_t { Stock, Foundation, Home };

struct Move {
    MoveKind kind = MoveKind::Stock;
    CardId card = 0;
    friend bool operator==(const Move&, const Move&) = default;
};

// Where a card lies: a slot entry 0..15, the waste top (kWasteTop), or elsewhere (-1).
inline constexpr int kWasteTop = 16;
int placeOf(const Layout& layout, int card);

// The plain model: whether a move is allowed, and making it.
bool allowed(const Layout& layout, const Move& move);
void apply(Layout& layout, const Move& move);

// Cards that go to their foundations at once, applied until none can go; returns them in
// the order played.
std::vector<Move> playFoundations(Layout& layout);

} // namespace veltrane::solve
