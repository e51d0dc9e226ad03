#include "game/saved_game.h"

#include "game/cards.h"
#include "game/game.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <utility>

namespace veltrane {

namespace {

constexpr int kVersion = 1;
constexpr std::array<std::string_view, 13> kRanks = {"A", "2", "3",  "4", "5", "6", "7",
                                                     "8", "9", "10", "J", "Q", "K"};
// By suit number: 1 spades, 2 diamonds, 3 clubs, 4 hearts.
constexpr std::string_view kSuits = "SDCH";
// The suit each foundation builds, and so the suit of its slot group.
constexpr std::array<Int16, 4> kFoundationSuits = {Spades, Diamonds, Hearts, Clubs};
// The lines after the version line, in their order.
constexpr std::array<std::string_view, 6> kLineNames = {"deal",  "foundations", "slots",
                                                        "stock", "waste",       "passes"};

void appendCard(std::string& text, Int16 card) {
    text += ' ';
    text += kRanks.at(static_cast<std::size_t>(CardRank(card) - 1));
    text += kSuits.at(static_cast<std::size_t>(CardSuit(card) - 1));
}

// The card a word names; nothing when it names none.
std::optional<Int16> cardNamed(std::string_view word) {
    if (word.size() < 2) {
        return std::nullopt;
    }
    const std::size_t suit = kSuits.find(word.back());
    const auto rank = std::find(kRanks.begin(), kRanks.end(), word.substr(0, word.size() - 1));
    if (suit == std::string_view::npos || rank == kRanks.end()) {
        return std::nullopt;
    }
    return static_cast<Int16>(suit * 13 + static_cast<std::size_t>(rank - kRanks.begin()) + 1);
}

std::vector<std::string_view> wordsOf(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        if (end > at) {
            words.push_back(line.substr(at, end - at));
        }
        at = end + 1;
    }
    return words;
}

struct Refused {
    SavedGameReading why;
};

[[noreturn]] void refuse(SavedGameFault fault, int line = 0) {
    throw Refused{{fault, line}};
}

// The cards of one line, `count` of them or, with no count, up to 52.
std::vector<Int16> cardsOf(const std::vector<std::string_view>& words, int line,
                           std::optional<std::size_t> count, bool emptyAllowed = false) {
    const std::size_t given = words.size() - 1;
    if (count ? given != *count : given > 52) {
        refuse(SavedGameFault::Unreadable, line);
    }
    std::vector<Int16> cards;
    for (std::size_t i = 1; i < words.size(); ++i) {
        const auto card = cardNamed(words[i]);
        if (!card && !(emptyAllowed && words[i] == "-")) {
            refuse(SavedGameFault::Unreadable, line);
        }
        cards.push_back(card.value_or(0));
    }
    return cards;
}

// Whether the cards come in the deck's order, others between them allowed.
bool inDeckOrder(const std::vector<Int16>& cards, const Int16* deck, const Int16* deckEnd) {
    for (const Int16 card : cards) {
        deck = std::find(deck, deckEnd, card);
        if (deck == deckEnd) {
            return false;
        }
        ++deck;
    }
    return true;
}

// Every card once, and the places as play can leave them: what the foundations hold grew on
// their aces in their suits, a slot holds the card dealt to it or one of its group's suit, and
// the stock and the waste hold cards dealt to the stock, in the order the passes turn them.
void checkPosition(const SavedPosition& p) {
    enum : int { kFoundationsLine = 3, kSlotsLine, kStockLine, kWasteLine };
    std::array<bool, 53> seen{};
    const auto place = [&seen](Int16 card, int line) {
        if (card != 0 && std::exchange(seen.at(static_cast<std::size_t>(card)), true)) {
            refuse(SavedGameFault::CardTwice, line);
        }
    };
    for (std::size_t k = 0; k < 4; ++k) {
        const Int16 top = p.foundations[k];
        if (CardSuit(top) != kFoundationSuits[k]) {
            refuse(SavedGameFault::Unreachable);
        }
        for (Int16 card = static_cast<Int16>(top - CardRank(top) + 1); card <= top; ++card) {
            place(card, kFoundationsLine);
        }
    }
    for (const Int16 card : p.slots) {
        place(card, kSlotsLine);
    }
    for (const Int16 card : p.stock) {
        place(card, kStockLine);
    }
    for (const Int16 card : p.waste) {
        place(card, kWasteLine);
    }
    if (std::count(seen.begin() + 1, seen.end(), true) != 52) {
        refuse(SavedGameFault::CardMissing);
    }

    const std::array<Int16, 4> aces = {1, 14, 27, 40}; // as every shuffle leaves them
    if (!std::equal(aces.begin(), aces.end(), p.deal.begin())) {
        refuse(SavedGameFault::Unreachable);
    }
    for (std::size_t i = 0; i < p.slots.size(); ++i) {
        const Int16 card = p.slots[i];
        if (card != 0 && card != p.deal[4 + i] && CardSuit(card) != kFoundationSuits[i / 4]) {
            refuse(SavedGameFault::Unreachable);
        }
    }
    // The waste's cards were turned before the stock's, each pass in the deal's order.
    std::vector<Int16> turned = p.waste;
    turned.insert(turned.end(), p.stock.begin(), p.stock.end());
    const Int16* dealtToStock = p.deal.data() + 20;
    bool reachable = inDeckOrder(turned, dealtToStock, p.deal.data() + p.deal.size());
    if (p.passes == 0) {
        // The first pass has cards left, the last of the deal, as it turns them in order.
        reachable = reachable && !p.stock.empty() && p.stock.size() <= 32 &&
                    std::equal(p.stock.begin(), p.stock.end(), p.deal.end() - p.stock.size());
    } else if (p.passes == 2) {
        reachable = reachable && p.stock.empty();
    } else if (p.passes != 1) {
        reachable = false;
    }
    if (!reachable) {
        refuse(SavedGameFault::Unreachable);
    }
}

SavedPosition parse(std::string_view text) {
    if (text.size() > kSavedGameMaxBytes) {
        refuse(SavedGameFault::TooLarge);
    }
    std::vector<std::string_view> lines;
    std::size_t at = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos;
         end = text.find('\n', at)) {
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    const bool cut = at < text.size(); // a last line without its line end

    const auto first = wordsOf(lines.empty() ? text : lines.front());
    if (first.size() != 4 || first[0] != "veltrane" || first[1] != "saved" || first[2] != "game") {
        refuse(SavedGameFault::NotASavedGame);
    }
    int version = 0;
    const auto [end, error] =
        std::from_chars(first[3].data(), first[3].data() + first[3].size(), version);
    if (error != std::errc{} || end != first[3].data() + first[3].size()) {
        refuse(SavedGameFault::NotASavedGame);
    }
    if (version != kVersion) {
        refuse(SavedGameFault::UnknownVersion);
    }
    if (cut || lines.size() < 1 + kLineNames.size()) {
        refuse(SavedGameFault::CutShort);
    }
    if (lines.size() > 1 + kLineNames.size()) {
        refuse(SavedGameFault::Unreadable, static_cast<int>(kLineNames.size()) + 2);
    }

    std::array<std::vector<std::string_view>, kLineNames.size()> words;
    for (std::size_t i = 0; i < kLineNames.size(); ++i) {
        words.at(i) = wordsOf(lines.at(i + 1));
        if (words.at(i).empty() || words.at(i).front() != kLineNames.at(i)) {
            refuse(SavedGameFault::Unreadable, static_cast<int>(i) + 2);
        }
    }
    SavedPosition p;
    const std::vector<Int16> deal = cardsOf(words[0], 2, 52);
    std::array<bool, 53> dealt{};
    for (const Int16 card : deal) {
        if (std::exchange(dealt.at(static_cast<std::size_t>(card)), true)) {
            refuse(SavedGameFault::CardTwice, 2);
        }
    }
    std::copy(deal.begin(), deal.end(), p.deal.begin());
    const std::vector<Int16> foundations = cardsOf(words[1], 3, 4);
    std::copy(foundations.begin(), foundations.end(), p.foundations.begin());
    const std::vector<Int16> slots = cardsOf(words[2], 4, 16, true);
    std::copy(slots.begin(), slots.end(), p.slots.begin());
    p.stock = cardsOf(words[3], 5, std::nullopt);
    p.waste = cardsOf(words[4], 6, std::nullopt);
    const std::vector<std::string_view>& passes = words[5];
    if (passes.size() != 2 || passes[1].size() != 1 || passes[1][0] < '0' || passes[1][0] > '9') {
        refuse(SavedGameFault::Unreadable, 7);
    }
    p.passes = static_cast<Int16>(passes[1][0] - '0');
    return p;
}

} // namespace

std::string WriteSavedGame(const Game& game) {
    const GameState& s = game.state();
    const BoardModel& b = game.board();
    if (s.DealOrder(1) == 0) {
        return {};
    }
    std::string text = "veltrane saved game " + std::to_string(kVersion) + "\ndeal";
    for (int i = 1; i <= 52; ++i) {
        appendCard(text, s.DealOrder(i));
    }
    text += "\nfoundations";
    for (int k = 1; k <= 4; ++k) {
        appendCard(text, static_cast<Int16>(b.img_ace(k).Picture.cardNumber()));
    }
    text += "\nslots";
    for (int i = 5; i <= 20; ++i) {
        const Picture shown = b.img_cards(i).Picture;
        if (shown.isCard()) {
            appendCard(text, static_cast<Int16>(shown.cardNumber()));
        } else {
            text += " -";
        }
    }
    text += "\nstock";
    if (b.img_deck.Picture == Picture::card(0)) {
        for (int i = s.DeckPos + 1; i <= s.DeckEnd; ++i) {
            appendCard(text, s.Deck(i));
        }
    }
    text += "\nwaste";
    for (int i = 1; i <= s.DealtCount; ++i) {
        appendCard(text, s.DealtList(i));
    }
    const int passes = s.StockRunOut == 0 ? 0 : b.img_deck.Picture == img_blank ? 2 : 1;
    text += "\npasses " + std::to_string(passes) + "\n";
    return text;
}

SavedGameReading ReadSavedGame(std::string_view text, Game& game) {
    try {
        const SavedPosition position = parse(text);
        checkPosition(position);
        game.RestoreGame(position);
    } catch (const Refused& refused) {
        return refused.why;
    }
    return {};
}

} // namespace veltrane
