#include "tests/solve/engine_search.h"

#include "tools/solve/clicks.h"

#include <deque>
#include <string>
#include <unordered_set>

namespace veltrane::solve::testing {

namespace {

// Everything a click can read, and nothing it cannot: the counters of an empty slot and of
// an empty waste are left out, since the rules never read them.
std::string stateKey(const Game& game) {
    const GameState& s = game.state();
    const BoardModel& b = game.board();
    std::string key;
    const auto put = [&](int value) { key.push_back(static_cast<char>(value)); };
    for (int i = 5; i <= 20; ++i) {
        const Place& place = b.img_cards(i);
        put(place.Picture.id());
        put(place.BorderStyle);
        if (!place.Picture.isEmptySlotMark()) {
            put(s.SlotRank(i));
            put(s.SlotSuit(i));
        }
    }
    for (int k = 1; k <= 4; ++k) {
        put(s.FoundationTop(k));
        put(s.FoundationSuit(k));
    }
    put(b.img_deck.Picture.id());
    put(b.img_dealt.Picture.id());
    put(b.img_dealt.BorderStyle);
    put(s.DeckPos);
    put(s.DeckEnd);
    put(s.DealtCount);
    put(s.StockRunOut);
    put(s.CardPicked);
    put(s.AwaitingDeal);
    if (s.DealtCount > 0) {
        put(s.WasteRank);
        put(s.WasteSuit);
    }
    for (int i = 1; i <= s.DealtCount; ++i) {
        put(s.DealtList(i));
    }
    key.push_back('|');
    for (int i = s.DeckPos + 1; i <= s.DeckEnd && i <= s.Deck.size(); ++i) {
        put(s.Deck(i));
    }
    return key;
}

} // namespace

std::optional<bool> engineWinnable(const Game& start, std::size_t maxStates) {
    std::vector<Click> every{{Click::Stock, 0}, {Click::Waste, 0}};
    for (int i = 5; i <= 20; ++i) {
        every.push_back({Click::Slot, i});
    }
    for (int k = 1; k <= 4; ++k) {
        every.push_back({Click::Foundation, k});
    }
    // Every copy shares the one handler, which only raises this flag.
    bool won = false;
    std::deque<Game> queue{start};
    queue.front().setWinHandler([&won] { won = true; });
    std::unordered_set<std::string> seen{stateKey(start)};
    while (!queue.empty()) {
        const Game game = std::move(queue.front());
        queue.pop_front();
        for (const Click& c : every) {
            Game next = game;
            PlayClick(next, c);
            if (won) {
                return true;
            }
            if (seen.insert(stateKey(next)).second) {
                if (seen.size() > maxStates) {
                    return std::nullopt;
                }
                queue.push_back(std::move(next));
            }
        }
    }
    return false;
}

} // namespace veltrane::solve::testing
