// How fast the rules deal and answer clicks, and whether they touch the heap once warm.
// Every benchmark reports items per second and the heap allocations per item.

#include "game/click.h"
#include "game/game.h"

#include <atomic>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <new>
#include <random>
#include <vector>

namespace {

std::atomic<long> allocations{0};

} // namespace

// Kept out of line so that the counting new and its matching delete stay paired.
[[gnu::noinline]] void* operator new(std::size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept {
    std::free(p);
}
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace {

using veltrane::Game;
using veltrane::Int16;

using veltrane::Click;

// File > Deal.
void deal(Game& game) {
    game.InitNewGame();
    game.DealOuterCards();
}

// A game's worth of clicks as a player makes them: mostly the stock and the tableau, with
// the waste and the foundations in between.
std::vector<Click> recordedClicks(std::size_t count) {
    std::mt19937 rng(2024);
    std::vector<Click> clicks;
    for (std::size_t i = 0; i < count; ++i) {
        const int roll = static_cast<int>(rng() % 100);
        if (roll < 30) {
            clicks.push_back({Click::Stock, 0});
        } else if (roll < 45) {
            clicks.push_back({Click::Waste, 0});
        } else if (roll < 85) {
            clicks.push_back({Click::Slot, static_cast<int>(5 + rng() % 16)});
        } else {
            clicks.push_back({Click::Foundation, static_cast<int>(1 + rng() % 4)});
        }
    }
    return clicks;
}

// The figures of a run: clicks or deals per second, and heap allocations per one.
void report(benchmark::State& state, long before) {
    const double items = static_cast<double>(state.iterations());
    state.counters["allocs_per_item"] =
        static_cast<double>(allocations.load() - before) / (items > 0 ? items : 1);
    state.SetItemsProcessed(state.iterations());
}

void NewDeal(benchmark::State& state) {
    veltrane::ClockRandomSource random;
    Game game(random);
    deal(game);
    const long before = allocations.load();
    for (auto _ : state) {
        deal(game);
        benchmark::DoNotOptimize(game.state().Deck(52));
    }
    report(state, before);
}
BENCHMARK(NewDeal);

void Clicks(benchmark::State& state) {
    veltrane::SeededRandomSource random(1);
    Game game(random);
    deal(game);
    const auto clicks = recordedClicks(1 << 16);
    std::size_t next = 0;
    // Warm up: a whole game of clicks grows the waste and the lists to their final size.
    for (const Click click : clicks) {
        PlayClick(game, click);
    }
    const long before = allocations.load();
    for (auto _ : state) {
        PlayClick(game, clicks[next]);
        next = (next + 1) & (clicks.size() - 1);
        if (next == 0) {
            deal(game);
        }
        benchmark::DoNotOptimize(game.state().CardPicked);
    }
    report(state, before);
}
BENCHMARK(Clicks);

// Each kind of click on its own, where the state allows it to repeat: a game dealt from the
// seed, made ready by prepare, then click over and over; click may put the ready game back.
template <typename Prepare, typename Repeat>
void repeatClick(benchmark::State& state, std::uint64_t seed, Prepare prepare, Repeat click) {
    veltrane::SeededRandomSource random(seed);
    Game game(random);
    deal(game);
    prepare(game);
    const Game ready = game;
    const long before = allocations.load();
    for (auto _ : state) {
        click(game, ready);
    }
    report(state, before);
}

void StockClicks(benchmark::State& state) {
    repeatClick(
        state, 2, [](Game&) {},
        [](Game& game, const Game& ready) {
            if (game.board().img_deck.Picture == veltrane::img_blank) {
                game.state() = ready.state();
                game.board() = ready.board();
            }
            game.img_deck_Click();
        });
}
BENCHMARK(StockClicks);

void SlotClicks(benchmark::State& state) {
    repeatClick(
        state, 3, [](Game&) {},
        [](Game& game, const Game&) {
            game.img_cards_Click(12);
            benchmark::DoNotOptimize(game.state().CardPicked);
        });
}
BENCHMARK(SlotClicks);

void FoundationClicks(benchmark::State& state) {
    repeatClick(
        state, 4, [](Game& game) { game.img_cards_Click(5); },
        [&state](Game& game, const Game&) {
            game.img_ace_Click(static_cast<Int16>(1 + (state.iterations() & 3)));
            benchmark::DoNotOptimize(game.state().FoundationTop(1));
        });
}
BENCHMARK(FoundationClicks);

} // namespace

BENCHMARK_MAIN();
