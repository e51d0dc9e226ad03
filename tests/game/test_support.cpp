#include "tests/game/test_support.h"

#include "game/cards.h"

#include <array>
#include <charconv>
#include <stdexcept>
#include <string>

namespace veltrane::testing {

ClickOutcome play(Game& game, std::string_view clicks) {
    ClickOutcome outcome = ClickOutcome::Done;
    std::size_t pos = 0;
    while (pos < clicks.size()) {
        const std::size_t end = std::min(clicks.find(' ', pos), clicks.size());
        const std::string_view word = clicks.substr(pos, end - pos);
        pos = end + 1;
        if (word.empty()) {
            continue;
        }
        int n = 0;
        std::from_chars(word.data() + 1, word.data() + word.size(), n);
        switch (word[0]) {
        case 'D':
            game.InitNewGame();
            game.DealOuterCards();
            outcome = ClickOutcome::Done;
            break;
        case 'S':
            outcome = game.img_deck_Click();
            break;
        case 'W':
            outcome = game.img_dealt_Click();
            break;
        case 't':
            outcome = game.img_cards_Click(static_cast<Int16>(n));
            break;
        case 'f':
            outcome = game.img_ace_Click(static_cast<Int16>(n));
            break;
        default:
            throw std::invalid_argument("unknown click " + std::string(word));
        }
    }
    return outcome;
}

std::string_view unshuffledWinAllButLast() {
    // Spades from the tableau and the waste; diamonds 2..7 from the tableau; the high clubs
    // and hearts parked in their groups' slots; the rest from the second pass.
    static const std::string clicks = [] {
        std::string c = "D t14 f1 S S S S S S S W f1 S S S S S S S S S S S S S W f1";
        for (int s = 5; s <= 13; ++s) {
            c += " t" + std::to_string(s) + " f1";
        }
        for (int s = 15; s <= 20; ++s) {
            c += " t" + std::to_string(s) + " f2";
        }
        c += " W t17 W t18 W t19 W t20";
        c += " S S S S S S S S S S S S";
        c += " W t13 W t14 W t15 W t16 S";
        for (int i = 0; i < 6; ++i) {
            c += " S W f2";
        }
        for (int i = 0; i < 8; ++i) {
            c += " S W f4";
        }
        c += " t20 f4 t19 f4 t18 f4 t17 f4";
        for (int i = 0; i < 8; ++i) {
            c += " S W f3";
        }
        c += " t16 f3 t15 f3 t14 f3 t13";
        return c;
    }();
    return clicks;
}

std::vector<std::string> cardPlacementFaults(const Game& game) {
    const GameState& s = game.state();
    const BoardModel& b = game.board();
    std::array<int, 53> seen{};
    std::vector<std::string> faults;
    for (int k = 1; k <= 4; ++k) {
        for (int rank = 1; rank <= s.FoundationTop(k); ++rank) {
            // Suit numbers 1..4 hold cards 1..13, 14..26, 27..39, 40..52.
            ++seen[static_cast<std::size_t>((s.FoundationSuit(k) - 1) * 13 + rank)];
        }
        const Picture top = b.img_ace(k).Picture;
        if (!top.isCard() || CardRank(static_cast<Int16>(top.cardNumber())) != s.FoundationTop(k) ||
            CardSuit(static_cast<Int16>(top.cardNumber())) != s.FoundationSuit(k)) {
            faults.push_back("foundation " + std::to_string(k) + " shows the wrong card");
        }
    }
    for (int i = 5; i <= 20; ++i) {
        const Picture p = b.img_cards(i).Picture;
        if (p.isCard()) {
            const auto card = static_cast<Int16>(p.cardNumber());
            ++seen[static_cast<std::size_t>(card)];
            if (CardRank(card) != s.SlotRank(i) || CardSuit(card) != s.SlotSuit(i)) {
                faults.push_back("slot " + std::to_string(i) + " counters disagree");
            }
        }
    }
    for (int i = 1; i <= s.DealtCount; ++i) {
        ++seen[static_cast<std::size_t>(s.DealtList(i))];
    }
    for (int i = s.DeckPos + 1; i <= s.DeckEnd; ++i) {
        ++seen[static_cast<std::size_t>(s.Deck(i))];
    }
    for (int card = 1; card <= 52; ++card) {
        if (seen[static_cast<std::size_t>(card)] != 1) {
            faults.push_back("card " + std::to_string(card) + " is in " +
                             std::to_string(seen[static_cast<std::size_t>(card)]) + " places");
        }
    }
    if (seen[0] != 0) {
        faults.emplace_back("the card back is counted as a card");
    }
    const Picture waste = b.img_dealt.Picture;
    const Picture expected =
        s.DealtCount > 0 ? Picture::card(s.DealtList(s.DealtCount)) : img_blank;
    if (waste != expected) {
        faults.emplace_back("the waste shows the wrong picture");
    }
    return faults;
}

} // namespace veltrane::testing
