#include "tools/solve/players.h"

#include <algorithm>
#include <cstddef>

namespace veltrane::solve {

namespace {} // namespace

// A small generator of our own, so that drawn orders are the same on every machine.
class Draws {
  public:
    explicit Draws(std::uint64_t seed) : state_(seed) {}
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // Uniform in 0..n-1; the bias of a 64-bit remainder is far below anything measured here.
    std::size_t below(std::size_t n) { return static_cast<std::size_t>(next() % n); }

  private:
    std::uint64_t state_;
};

namespace {

void append(std::vector<Move>& to, const std::vector<Move>& from) {
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace

std::vector<Move> choices(const Layout& layout) {
    std::vector<Move> moves;
    const Move home{MoveKind::Home, static_cast<CardId>(layout.wasteTop())};
    if (home.card != 0 && allowed(layout, home)) {
        moves.push_back(home);
    }
    if (layout.stockLive()) {
        moves.push_back({MoveKind::Stock, 0});
    }
    for (int i = 0; i < kSlots; ++i) {
        const int card = layout.slot[static_cast<std::size_t>(i)];
        if (card == 0 || !allowed(layout, {MoveKind::Home, static_cast<CardId>(card)})) {
            continue;
        }
        const std::ptrdiff_t first = std::ptrdiff_t{4} * groupOfEntry(i);
        const bool full = std::none_of(layout.slot.begin() + first, layout.slot.begin() + first + 4,
                                       [](CardId c) { return c == 0; });
        if (full) {
            moves.push_back({MoveKind::Home, static_cast<CardId>(card)});
        }
    }
    return moves;
}

PlayedGame playGreedy(Layout layout) {
    PlayedGame game;
    for (;;) {
        append(game.moves, playFoundations(layout));
        if (layout.won()) {
            game.won = true;
            return game;
        }
        const Move home{MoveKind::Home, static_cast<CardId>(layout.wasteTop())};
        const Move stock{MoveKind::Stock, 0};
        if (home.card != 0 && allowed(layout, home)) {
            apply(layout, home);
            game.moves.push_back(home);
        } else if (layout.stockLive()) {
            apply(layout, stock);
            game.moves.push_back(stock);
        } else {
            return game;
        }
    }
}

namespace {

struct Sample {
    Layout drawn;
    bool winnable = false;
    Move first; // the first move of the solution found
};

} // namespace

std::size_t SamplingPlayer::bytesPerSample() {
    return sizeof(Sample) + kMaxStock * sizeof(CardId); // the drawn order lives on the heap
}

std::size_t SamplingPlayer::choose(const Layout& layout, const std::vector<Move>& options,
                                   std::size_t unseen, Draws& draws, long& unknownSolves) {
    std::vector<Sample> samples(static_cast<std::size_t>(samples_));
    int winnable = 0;
    for (Sample& sample : samples) {
        sample.drawn = layout;
        // Fisher-Yates over the cards not yet turned.
        const auto first = sample.drawn.order.begin() + sample.drawn.turned;
        for (std::size_t i = unseen - 1; i > 0; --i) {
            std::iter_swap(first + static_cast<std::ptrdiff_t>(i),
                           first + static_cast<std::ptrdiff_t>(draws.below(i + 1)));
        }
        const Outcome whole = solver_.solve(sample.drawn, limit_);
        unknownSolves += whole.verdict == Verdict::Unknown ? 1 : 0;
        sample.winnable = whole.verdict == Verdict::Winnable;
        if (sample.winnable) {
            sample.first = whole.moves.front();
            ++winnable;
        }
    }
    // Options in the solver's own order of preference, which breaks ties. A move that wins
    // every sample that can be won at all cannot be beaten, so the count stops there; a move
    // that can no longer beat the best so far is dropped half-way.
    std::size_t best = 0;
    int bestWins = -1;
    for (std::size_t m = 0; m < options.size() && bestWins < winnable; ++m) {
        int wins = 0;
        int left = winnable;
        for (const Sample& sample : samples) {
            if (!sample.winnable) {
                continue;
            }
            if (wins + left <= bestWins) {
                break;
            }
            --left;
            if (sample.first == options[m]) {
                ++wins;
                continue;
            }
            Layout after = sample.drawn;
            apply(after, options[m]);
            const Outcome outcome = solver_.solve(after, limit_);
            unknownSolves += outcome.verdict == Verdict::Unknown ? 1 : 0;
            wins += outcome.verdict == Verdict::Winnable ? 1 : 0;
        }
        if (wins > bestWins) {
            best = m;
            bestWins = wins;
        }
    }
    return best;
}

PlayedGame SamplingPlayer::play(Layout layout, std::uint64_t seed) {
    PlayedGame game;
    Draws draws(seed);
    for (;;) {
        append(game.moves, playFoundations(layout));
        if (layout.won()) {
            game.won = true;
            return game;
        }
        const std::size_t unseen =
            layout.secondPass ? 0 : layout.order.size() - static_cast<std::size_t>(layout.turned);
        if (unseen <= 1) {
            // Nothing is hidden any more (one unseen card has only one place): solve once.
            const Outcome outcome = solver_.solve(layout, limit_);
            game.unknownSolves += outcome.verdict == Verdict::Unknown ? 1 : 0;
            game.won = outcome.verdict == Verdict::Winnable;
            if (game.won) {
                append(game.moves, outcome.moves);
            }
            return game;
        }
        const std::vector<Move> options = choices(layout);
        if (options.empty()) {
            return game;
        }
        std::size_t best = 0;
        if (options.size() > 1) {
            best = choose(layout, options, unseen, draws, game.unknownSolves);
        }
        apply(layout, options[best]);
        game.moves.push_back(options[best]);
    }
}

} // namespace veltrane::solve
