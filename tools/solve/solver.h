#pragma once
// The exact solver: a depth-first search over compact states with a transposition table.
// Cards that can go to their foundations go at once; every other move is a branch. Its
// answer is exact: Blocked means that no sequence of clicks wins.

#include "tools/solve/layout.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace veltrane::solve {

enum class Verdict { Winnable, Blocked, Unknown };

struct Outcome {
    Verdict verdict = Verdict::Unknown;
    std::vector<Move> moves; // the winning moves, foundation moves included, when Winnable
    long states = 0;         // states expanded by the search
};

// The states the search has shown to be lost, so that no state is searched twice. It grows
// by doubling up to a cap; once full it stops remembering, which costs time but never
// exactness.
class StateTable {
  public:
    explicit StateTable(std::size_t maxEntries);
    // Forgets everything, in constant time.
    void clear();
    // False when the key was already there.
    bool insert(std::uint64_t lo, std::uint32_t hi);
    std::size_t bytes() const { return entries_.size() * sizeof(Entry); }
    std::size_t peakBytes() const { return peakBytes_; }
    // The most a table of this many entries at most holds: the last doubling keeps the old
    // half beside the new whole for a moment.
    static std::size_t mostBytes(std::size_t maxEntries) {
        return maxEntries * sizeof(Entry) * 3 / 2;
    }

  private:
    struct Entry {
        std::uint64_t lo = 0;
        std::uint32_t hi = 0;
        std::uint32_t generation = 0; // entries of older generations are free
    };
    void grow();

    std::vector<Entry> entries_;
    std::size_t maxEntries_;
    std::size_t used_ = 0;
    std::size_t peakBytes_ = 0;
    std::uint32_t generation_ = 1;
};

class Solver {
  public:
    static constexpr std::size_t kDefaultTableEntries = std::size_t{1} << 22;
    static constexpr long kDefaultLimit = 50'000'000;

    explicit Solver(std::size_t tableEntries = kDefaultTableEntries) : table_(tableEntries) {}

    // Solves from the layout as it stands; foundation moves it allows are part of the answer.
    // More than `limit` states searched gives Unknown.
    Outcome solve(const Layout& layout, long limit = kDefaultLimit);

    std::size_t peakTableBytes() const { return table_.peakBytes(); }

  private:
    struct Node;
    void prepare(const Layout& layout);
    void playForced(Node& node, std::vector<Move>* path);
    bool hopeless(const Node& node) const;
    bool roomForEverything(const Node& node, std::size_t k) const;
    std::uint32_t evictionSources(const Node& node) const;
    bool search(const Node& node);
    bool descend(Node& child, std::size_t mark);
    int wasteTop(const Node& node) const;

    StateTable table_;
    long limit_ = 0;
    long states_ = 0;
    bool aborted_ = false;
    std::vector<Move> path_;

    // The position's fixed parts, laid out for the search.
    int stockSize_ = 0;
    std::uint32_t stockMask_ = 0;
    std::array<CardId, kMaxStock> stockCard_{};
    std::array<std::int8_t, kMaxStock> stockHome_{};
    std::array<std::int8_t, kMaxStock> stockRank_{};
    std::array<CardId, kSlots> slotCard_{};
    std::array<std::int8_t, kSlots> slotHome_{};
    std::array<std::int8_t, kSlots> slotRank_{};
    std::uint16_t foreignMask_ = 0; // slots holding a card of another group's suit
    // Per foundation: the stock positions of its suit, and the slots of other groups
    // holding its suit.
    std::array<std::uint32_t, 4> stockOfSuit_{};
    std::array<std::uint16_t, 4> foreignOfSuit_{};
    // Where the card of foundation k and rank r lies: slot entry, or 16 + stock position.
    std::array<std::array<std::int8_t, 14>, 4> where_{};
    std::array<std::int8_t, 4> suit_{};
};

// Solves the position a game is in: a won game needs no move; a game whose stock is closed
// before its deal cannot be won; otherwise the search decides. A layout that breaks the
// rules of the deck (never expected) is std::logic_error.
Outcome solveGame(const Game& game, Solver& solver, long limit = Solver::kDefaultLimit);

} // namespace veltrane::solve
