#include "tools/solve/layout.h"

#include "game/game.h"

#include <algorithm>

namespace veltrane::solve {

namespace {

const char* const kRankNames[] = {"",      "ace",   "two",  "three", "four", "five",  "six",
                                  "seven", "eight", "nine", "ten",   "jack", "queen", "king"};
const char* const kSuitNames[] = {"", "spades", "diamonds", "clubs", "hearts"};

void takeAway(Layout& layout, int card) {
    const int place = placeOf(layout, card);
    if (place == kWasteTop) {
        layout.order.erase(layout.order.begin() + (layout.turned - 1));
        --layout.turned;
    } else {
        layout.slot[static_cast<std::size_t>(place)] = 0;
    }
}

} // namespace

int rankOf(int card) {
    return (card - 1) % 13 + 1;
}

int suitOf(int card) {
    return (card - 1) / 13 + 1;
}

std::string cardName(int card) {
    return std::string("the ") + kRankNames[rankOf(card)] + " of " + kSuitNames[suitOf(card)];
}

int Layout::foundationOf(int card) const {
    const auto found = std::find(foundationSuit.begin(), foundationSuit.end(), suitOf(card));
    return static_cast<int>(found - foundationSuit.begin());
}

bool Layout::won() const {
    return std::all_of(foundationTop.begin(), foundationTop.end(), [](int t) { return t == 13; });
}

ReadResult readLayout(const Game& game, Layout& layout) {
    const GameState& s = game.state();
    const BoardModel& b = game.board();
    layout = Layout{};
    for (int k = 1; k <= 4; ++k) {
        layout.foundationSuit[static_cast<std::size_t>(k - 1)] =
            static_cast<std::int8_t>(s.FoundationSuit(k));
        layout.foundationTop[static_cast<std::size_t>(k - 1)] =
            static_cast<std::int8_t>(s.FoundationTop(k));
    }
    if (layout.won()) {
        return ReadResult::Won;
    }
    // No game laid out since the program started, or none dealt since the last new game.
    if (s.AwaitingDeal == VbTrue || s.FoundationTop(1) == 0) {
        return ReadResult::Closed;
    }
    for (int i = 0; i < kSlots; ++i) {
        const Picture picture = b.img_cards(kFirstSlot + i).Picture;
        layout.slot[static_cast<std::size_t>(i)] = picture.isCard() && picture.cardNumber() > 0
                                                       ? static_cast<CardId>(picture.cardNumber())
                                                       : CardId{0};
    }
    for (int i = 1; i <= s.DealtCount; ++i) {
        layout.order.push_back(static_cast<CardId>(s.DealtList(i)));
    }
    layout.turned = s.DealtCount;
    const Picture stock = b.img_deck.Picture;
    if (stock == img_blank) {
        layout.secondPass = true; // spent: only the waste is left
    } else if (stock == img_click) {
        layout.secondPass = false; // the turn-over is offered
    } else {
        layout.secondPass = s.StockRunOut == 1;
        for (int i = s.DeckPos + 1; i <= s.DeckEnd; ++i) {
            layout.order.push_back(static_cast<CardId>(s.Deck(i)));
        }
    }
    return ReadResult::Play;
}

std::string layoutFault(const Layout& layout) {
    std::array<int, 53> seen{};
    std::array<bool, 5> suits{};
    for (std::size_t k = 0; k < 4; ++k) {
        const int suit = layout.foundationSuit[k];
        const int top = layout.foundationTop[k];
        if (suit < 1 || suit > 4 || suits[static_cast<std::size_t>(suit)] || top < 1 || top > 13) {
            return "foundation " + std::to_string(k + 1) + " is out of order";
        }
        suits[static_cast<std::size_t>(suit)] = true;
        for (int rank = 1; rank <= top; ++rank) {
            ++seen[static_cast<std::size_t>((suit - 1) * 13 + rank)];
        }
    }
    for (const CardId card : layout.slot) {
        if (card != 0) {
            ++seen[static_cast<std::size_t>(card)];
        }
    }
    if (layout.order.size() > kMaxStock || layout.turned < 0 ||
        layout.turned > static_cast<int>(layout.order.size())) {
        return "the stock and the waste hold too many cards";
    }
    for (const CardId card : layout.order) {
        if (card < 1 || card > 52) {
            return "the stock holds a card numbered " + std::to_string(card);
        }
        ++seen[static_cast<std::size_t>(card)];
    }
    for (int card = 1; card <= 52; ++card) {
        if (seen[static_cast<std::size_t>(card)] != 1) {
            return cardName(card) + " lies in " +
                   std::to_string(seen[static_cast<std::size_t>(card)]) + " places";
        }
    }
    return {};
}

int placeOf(const Layout& layout, int card) {
    for (int i = 0; i < kSlots; ++i) {
        if (layout.slot[static_cast<std::size_t>(i)] == card) {
            return i;
        }
    }
    return layout.turned > 0 && layout.wasteTop() == card ? kWasteTop : -1;
}

bool allowed(const Layout& layout, const Move& move) {
    if (move.kind == MoveKind::Stock) {
        return layout.stockLive();
    }
    const int place = placeOf(layout, move.card);
    if (place < 0) {
        return false;
    }
    const int k = layout.foundationOf(move.card);
    if (move.kind == MoveKind::Foundation) {
        return rankOf(move.card) == layout.foundationTop[static_cast<std::size_t>(k)] + 1;
    }
    if (place != kWasteTop && groupOfEntry(place) == k) {
        return false; // already among its own group's slots
    }
    for (int i = 4 * k; i < 4 * k + 4; ++i) {
        if (layout.slot[static_cast<std::size_t>(i)] == 0) {
            return true;
        }
    }
    return false;
}

void apply(Layout& layout, const Move& move) {
    if (move.kind == MoveKind::Stock) {
        if (layout.turned < static_cast<int>(layout.order.size())) {
            ++layout.turned;
        } else {
            layout.secondPass = true;
            layout.turned = 0;
        }
        return;
    }
    const int k = layout.foundationOf(move.card);
    takeAway(layout, move.card);
    if (move.kind == MoveKind::Foundation) {
        ++layout.foundationTop[static_cast<std::size_t>(k)];
        return;
    }
    for (int i = 4 * k; i < 4 * k + 4; ++i) {
        if (layout.slot[static_cast<std::size_t>(i)] == 0) {
            layout.slot[static_cast<std::size_t>(i)] = move.card;
            return;
        }
    }
}

std::vector<Move> playFoundations(Layout& layout) {
    std::vector<Move> played;
    bool moved = true;
    while (moved) {
        moved = false;
        for (std::size_t k = 0; k < 4; ++k) {
            while (layout.foundationTop[k] < 13) {
                const int card = (layout.foundationSuit[k] - 1) * 13 + layout.foundationTop[k] + 1;
                if (placeOf(layout, card) < 0) {
                    break;
                }
                takeAway(layout, card);
                ++layout.foundationTop[k];
                played.push_back({MoveKind::Foundation, static_cast<CardId>(card)});
                moved = true;
            }
        }
    }
    return played;
}

} // namespace veltrane::solve
