#include "tools/solve/solver.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

namespace veltrane::solve {

namespace {

std::uint64_t mixBits(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

// The stock positions below `pos`.
constexpr std::uint32_t below(int pos) {
    return pos >= 32 ? 0xffffffffu : (std::uint32_t{1} << pos) - 1;
}

void record(std::vector<Move>* path, const Move& move) {
    if (path != nullptr) {
        path->push_back(move);
    }
}

constexpr std::size_t kFirstTableEntries = std::size_t{1} << 14;

} // namespace

// A state of the search. Which cards are on the foundations, which stock cards have left
// the waste, which dealt slot cards have left their slots, and how far the stock has turned
// in which pass say where every card lies; `free` (empty slots per group) follows from them.
struct Solver::Node {
    std::uint32_t played = 0;  // stock positions whose card has left the waste
    std::uint16_t vacated = 0; // slots whose card has left (home, or to its foundation)
    std::uint8_t pos = 0;      // stock positions below this have been turned in this pass
    std::uint8_t pass = 0;     // 0 first pass, 1 after the turn-over
    std::array<std::uint8_t, 4> top{};
    std::array<std::int8_t, 4> free{};

    std::uint64_t lo() const {
        return std::uint64_t{played} | std::uint64_t{vacated} << 32 | std::uint64_t{pos} << 48 |
               std::uint64_t{pass} << 54;
    }
    std::uint32_t hi() const {
        return std::uint32_t{top[0]} | std::uint32_t{top[1]} << 4 | std::uint32_t{top[2]} << 8 |
               std::uint32_t{top[3]} << 12;
    }
    bool won() const { return top[0] == 13 && top[1] == 13 && top[2] == 13 && top[3] == 13; }
};

StateTable::StateTable(std::size_t maxEntries)
    : maxEntries_(std::bit_ceil(std::max(maxEntries, kFirstTableEntries))) {
    entries_.resize(kFirstTableEntries);
    peakBytes_ = bytes();
}

void StateTable::clear() {
    used_ = 0;
    if (++generation_ == 0) {
        std::fill(entries_.begin(), entries_.end(), Entry{});
        generation_ = 1;
    }
}

bool StateTable::insert(std::uint64_t lo, std::uint32_t hi) {
    if (used_ * 2 >= entries_.size() && entries_.size() < maxEntries_) {
        grow();
    }
    const std::size_t mask = entries_.size() - 1;
    std::size_t at = mixBits(lo ^ (std::uint64_t{hi} << 47) ^ hi) & mask;
    while (entries_[at].generation == generation_) {
        if (entries_[at].lo == lo && entries_[at].hi == hi) {
            return false;
        }
        at = (at + 1) & mask;
    }
    // A full table keeps a quarter free so that probes stay short; new states then go
    // unremembered and may be searched again.
    if (used_ * 4 < entries_.size() * 3) {
        entries_[at] = {lo, hi, generation_};
        ++used_;
    }
    return true;
}

void StateTable::grow() {
    std::vector<Entry> old(entries_.size() * 2);
    old.swap(entries_);
    const std::size_t mask = entries_.size() - 1;
    for (const Entry& entry : old) {
        if (entry.generation != generation_) {
            continue;
        }
        std::size_t at = mixBits(entry.lo ^ (std::uint64_t{entry.hi} << 47) ^ entry.hi) & mask;
        while (entries_[at].generation == generation_) {
            at = (at + 1) & mask;
        }
        entries_[at] = entry;
    }
    peakBytes_ = std::max(peakBytes_, bytes() + old.size() * sizeof(Entry));
}

void Solver::prepare(const Layout& layout) {
    for (auto& ranks : where_) {
        ranks.fill(-1);
    }
    for (std::size_t k = 0; k < 4; ++k) {
        suit_[k] = layout.foundationSuit[k];
    }
    foreignMask_ = 0;
    stockOfSuit_.fill(0);
    foreignOfSuit_.fill(0);
    for (int i = 0; i < kSlots; ++i) {
        const int card = layout.slot[static_cast<std::size_t>(i)];
        slotCard_[static_cast<std::size_t>(i)] = static_cast<CardId>(card);
        if (card == 0) {
            continue;
        }
        const int k = layout.foundationOf(card);
        slotHome_[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(k);
        slotRank_[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(rankOf(card));
        where_[static_cast<std::size_t>(k)][static_cast<std::size_t>(rankOf(card))] =
            static_cast<std::int8_t>(i);
        if (groupOfEntry(i) != k) {
            foreignMask_ = static_cast<std::uint16_t>(foreignMask_ | 1u << i);
            foreignOfSuit_[static_cast<std::size_t>(k)] =
                static_cast<std::uint16_t>(foreignOfSuit_[static_cast<std::size_t>(k)] | 1u << i);
        }
    }
    stockSize_ = static_cast<int>(layout.order.size());
    stockMask_ = below(stockSize_);
    for (int j = 0; j < stockSize_; ++j) {
        const int card = layout.order[static_cast<std::size_t>(j)];
        const int k = layout.foundationOf(card);
        stockCard_[static_cast<std::size_t>(j)] = static_cast<CardId>(card);
        stockHome_[static_cast<std::size_t>(j)] = static_cast<std::int8_t>(k);
        stockRank_[static_cast<std::size_t>(j)] = static_cast<std::int8_t>(rankOf(card));
        stockOfSuit_[static_cast<std::size_t>(k)] |= std::uint32_t{1} << j;
        where_[static_cast<std::size_t>(k)][static_cast<std::size_t>(rankOf(card))] =
            static_cast<std::int8_t>(kSlots + j);
    }
}

int Solver::wasteTop(const Node& node) const {
    const std::uint32_t waste = ~node.played & below(node.pos);
    return waste == 0 ? -1 : 31 - std::countl_zero(waste);
}

bool Solver::roomForEverything(const Node& node, std::size_t k) const {
    // Cards of this suit that may still want a slot of its group: those in the stock or the
    // waste, and those in slots of other groups.
    const int wanting =
        std::popcount(stockOfSuit_[k] & ~node.played) +
        std::popcount(static_cast<std::uint32_t>(foreignOfSuit_[k] & ~node.vacated));
    return node.free[k] >= wanting;
}

void Solver::playForced(Node& node, std::vector<Move>* path) {
    bool moved = true;
    while (moved) {
        moved = false;
        // The waste card goes home when its group has room for every card of its suit that
        // could ever want a slot there, itself included: the slot it takes is never missed.
        if (const int j = wasteTop(node); j >= 0) {
            const std::size_t k = static_cast<std::size_t>(stockHome_[static_cast<std::size_t>(j)]);
            if (node.top[k] + 1 != rankOf(stockCard_[static_cast<std::size_t>(j)]) &&
                node.free[k] > 0 && roomForEverything(node, k)) {
                node.played |= std::uint32_t{1} << j;
                --node.free[k];
                record(path, {MoveKind::Home, stockCard_[static_cast<std::size_t>(j)]});
                moved = true;
                continue;
            }
        }
        for (std::size_t k = 0; k < 4; ++k) {
            while (node.top[k] < 13) {
                const int at = where_[k][node.top[k] + 1u];
                if (at < kSlots) {
                    if ((node.vacated >> at & 1u) == 0) {
                        node.vacated = static_cast<std::uint16_t>(node.vacated | 1u << at);
                        ++node.free[static_cast<std::size_t>(groupOfEntry(at))];
                    } else {
                        ++node.free[k]; // it had gone home
                    }
                    record(path, {MoveKind::Foundation, slotCard_[static_cast<std::size_t>(at)]});
                } else {
                    const int j = at - kSlots;
                    if ((node.played >> j & 1u) != 0) {
                        ++node.free[k]; // it had been put home from the waste
                    } else if (j == wasteTop(node)) {
                        node.played |= std::uint32_t{1} << j;
                    } else {
                        break;
                    }
                    record(path, {MoveKind::Foundation, stockCard_[static_cast<std::size_t>(j)]});
                }
                ++node.top[k];
                moved = true;
            }
        }
    }
}

std::uint32_t Solver::evictionSources(const Node& node) const {
    // Making room is only needed for the waste card, when its group is full: the card that
    // leaves lies in that group, or in a full group whose leaving card makes room there, and
    // so on along full groups.
    const int j = wasteTop(node);
    if (j < 0) {
        return 0;
    }
    const std::size_t start = static_cast<std::size_t>(stockHome_[static_cast<std::size_t>(j)]);
    if (node.free[start] != 0) {
        return 0;
    }
    const std::uint32_t present = foreignMask_ & ~std::uint32_t{node.vacated};
    std::uint32_t reached = 1u << start; // groups
    std::uint32_t sources = 0;           // slots
    for (bool grew = true; grew;) {
        grew = false;
        for (std::size_t g = 0; g < 4; ++g) {
            if ((reached >> g & 1u) == 0) {
                continue;
            }
            const std::uint32_t inGroup = present & (0xfu << (4 * g));
            sources |= inGroup;
            for (std::uint32_t rest = inGroup; rest != 0; rest &= rest - 1) {
                const std::size_t h = static_cast<std::size_t>(
                    slotHome_[static_cast<std::size_t>(std::countr_zero(rest))]);
                if (node.free[h] == 0 && (reached >> h & 1u) == 0) {
                    reached |= 1u << h;
                    grew = true;
                }
            }
        }
    }
    return sources;
}

bool Solver::descend(Node& child, std::size_t mark) {
    playForced(child, &path_);
    if (search(child)) {
        return true;
    }
    path_.resize(mark);
    return false;
}

bool Solver::hopeless(const Node& node) const {
    if (node.pass == 0) {
        return false;
    }
    // After the turn-over the waste is a plain pile: a card comes off it only once every
    // card above it has gone. A card above a lower card of its own suit cannot go to the
    // foundation first, so it must wait in a slot of its group; so must the cards of that
    // suit already waiting there above the lower card's rank. Four slots hold no more.
    std::array<std::uint32_t, 4> waiting{}; // per foundation, ranks in its group's slots
    for (std::uint32_t rest = node.played & stockMask_; rest != 0; rest &= rest - 1) {
        const std::size_t j = static_cast<std::size_t>(std::countr_zero(rest));
        const std::size_t k = static_cast<std::size_t>(stockHome_[j]);
        if (stockRank_[j] > node.top[k]) {
            waiting[k] |= 1u << stockRank_[j];
        }
    }
    for (std::size_t i = 0; i < kSlots; ++i) {
        if (slotCard_[i] == 0) {
            continue;
        }
        const std::size_t k = static_cast<std::size_t>(slotHome_[i]);
        const bool foreign = (foreignMask_ >> i & 1u) != 0;
        const bool left = (node.vacated >> i & 1u) != 0;
        if (slotRank_[i] > node.top[k] && foreign == left) {
            waiting[k] |= 1u << slotRank_[i];
        }
    }
    std::array<std::uint32_t, 4> above{};
    for (std::uint32_t waste = ~node.played & below(node.pos); waste != 0;) {
        const int j = 31 - std::countl_zero(waste);
        waste &= ~(std::uint32_t{1} << j);
        const std::size_t k = static_cast<std::size_t>(stockHome_[static_cast<std::size_t>(j)]);
        const int rank = stockRank_[static_cast<std::size_t>(j)];
        if (std::popcount((above[k] | waiting[k]) >> (rank + 1)) > 4) {
            return true;
        }
        above[k] |= 1u << rank;
    }
    return false;
}

bool Solver::search(const Node& node) {
    if (node.won()) {
        return true;
    }
    if (hopeless(node)) {
        return false;
    }
    if (!table_.insert(node.lo(), node.hi())) {
        return false;
    }
    if (++states_ > limit_) {
        aborted_ = true;
        return false;
    }
    const std::size_t mark = path_.size();

    struct Child {
        Node node;
        Move move;
    };
    std::array<Child, 2 + kSlots> children;
    std::size_t count = 0;

    // The waste card into a free slot of its own group. Trying it before the stock plays
    // as a greedy player would, which wins most deals on the first try.
    if (const int j = wasteTop(node); j >= 0) {
        const std::size_t k = static_cast<std::size_t>(stockHome_[static_cast<std::size_t>(j)]);
        if (node.free[k] > 0) {
            Child& child = children[count++];
            child.node = node;
            child.node.played |= std::uint32_t{1} << j;
            --child.node.free[k];
            child.move = {MoveKind::Home, stockCard_[static_cast<std::size_t>(j)]};
        }
    }

    // A stock click: the next card of this pass, or the turn-over of the waste.
    {
        Node next = node;
        bool live = true;
        if (node.pass == 0) {
            if (node.pos < stockSize_) {
                ++next.pos;
            } else {
                next.pass = 1;
                next.pos = 0;
            }
        } else {
            const std::uint32_t rest = ~node.played & stockMask_ & ~below(node.pos);
            live = rest != 0;
            next.pos = static_cast<std::uint8_t>(std::countr_zero(rest) + 1);
        }
        if (live) {
            children[count++] = {next, {MoveKind::Stock, 0}};
        }
    }

    // A card of another suit leaves a full group for a free slot of its own group. Leaving
    // a group that still has a free slot is never needed: the move can wait until that
    // group is full and a card wants in.
    for (std::uint32_t rest = evictionSources(node); rest != 0; rest &= rest - 1) {
        const int i = std::countr_zero(rest);
        const std::size_t from = static_cast<std::size_t>(groupOfEntry(i));
        const std::size_t to = static_cast<std::size_t>(slotHome_[static_cast<std::size_t>(i)]);
        if (node.free[to] == 0) {
            continue;
        }
        Child& child = children[count++];
        child.node = node;
        child.node.vacated = static_cast<std::uint16_t>(child.node.vacated | 1u << i);
        ++child.node.free[from];
        --child.node.free[to];
        child.move = {MoveKind::Home, slotCard_[static_cast<std::size_t>(i)]};
    }

    for (std::size_t c = 0; c < count; ++c) {
        path_.push_back(children[c].move);
        if (descend(children[c].node, mark) || aborted_) {
            return !aborted_;
        }
    }
    return false;
}

Outcome Solver::solve(const Layout& layout, long limit) {
    prepare(layout);
    table_.clear();
    limit_ = limit;
    states_ = 0;
    aborted_ = false;
    path_.clear();

    Node root;
    root.pos = static_cast<std::uint8_t>(layout.turned);
    root.pass = layout.secondPass ? 1 : 0;
    for (std::size_t k = 0; k < 4; ++k) {
        root.top[k] = static_cast<std::uint8_t>(layout.foundationTop[k]);
        for (std::size_t i = 4 * k; i < 4 * k + 4; ++i) {
            root.free[k] = static_cast<std::int8_t>(root.free[k] + (layout.slot[i] == 0 ? 1 : 0));
        }
    }
    playForced(root, &path_);
    const bool won = search(root);

    Outcome outcome;
    outcome.states = std::min(states_, limit_);
    if (aborted_) {
        outcome.verdict = Verdict::Unknown;
    } else if (won) {
        outcome.verdict = Verdict::Winnable;
        outcome.moves = path_;
    } else {
        outcome.verdict = Verdict::Blocked;
    }
    return outcome;
}

Outcome solveGame(const Game& game, Solver& solver, long limit) {
    Layout layout;
    switch (readLayout(game, layout)) {
    case ReadResult::Won:
        return {Verdict::Winnable, {}, 0};
    case ReadResult::Closed:
        return {Verdict::Blocked, {}, 0};
    case ReadResult::Play:
        break;
    }
    if (const std::string fault = layoutFault(layout); !fault.empty()) {
        throw std::logic_error("the position cannot be read: " + fault);
    }
    return solver.solve(layout, limit);
}

} // namespace veltrane::solve
