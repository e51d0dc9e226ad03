#include "game/game.h"

#include "game/cards.h"
#include "game/saved_game.h"

#include <algorithm>
#include <utility>

namespace veltrane {

namespace {

constexpr int kFirstSlot = 5;
constexpr int kLastSlot = 20;

// Nearest integer, an exact half going to the even neighbour. Adding and taking away 2^52
// leaves no fraction bits, so the sum itself rounds, to even under the default rounding mode;
// x lies in 5..52, far inside the range where this is exact.
Int16 roundHalfEven(double x) {
    constexpr double kShift = 0x1p52;
    return toInt16(static_cast<long>((x + kShift) - kShift));
}

void exchange(GrowableList<Int16>& list, int a, int b) {
    const Int16 held = list(a);
    list(a) = list(b);
    list(b) = held;
}

} // namespace

Game::Game(RandomSource& random, std::function<void()> winHandler)
    : random_(&random), winHandler_(std::move(winHandler)) {}

void Game::ShuffleDeck() {
    auto& Deck = state_.Deck;
    random_->reseed();
    // Whatever its length before (shorter after a turn-over), the deck becomes 1..52; one
    // resize gives the same list as growing it an entry at a time.
    Deck.resizePreserve(52);
    for (int i = 1; i <= 52; ++i) {
        Deck(i) = toInt16(i);
    }
    // The aces lead the deck so that the deal can lay them on the foundations.
    exchange(Deck, 2, 14);
    exchange(Deck, 3, 27);
    exchange(Deck, 4, 40);
    for (int b = 5; b <= 51; ++b) {
        const float r = random_->next();
        const double x = static_cast<double>(r) * (52 - b) + b;
        const Int16 j = roundHalfEven(x);
        exchange(Deck, b, j);
    }
}

void Game::InitNewGame() {
    auto& s = state_;
    board_.img_deck.Picture = Picture::card(0);
    board_.img_dealt.Picture = img_blank;
    s.DeckPos = 20;
    s.DealtCount = 0;
    s.DeckEnd = 52;
    s.AwaitingDeal = VbTrue;
    s.StockRunOut = 0;
    s.CardPicked = 0;
    s.WasteRank = 0;
    s.WasteSuit = 0;
    board_.img_dealt.BorderStyle = 0;
    for (int i = kFirstSlot; i <= kLastSlot; ++i) {
        board_.img_cards(i).BorderStyle = 0;
    }
    ShuffleDeck();
    DealAces();
}

void Game::DealAces() {
    auto& s = state_;
    // Foundations 3 and 4 cross over: hearts lies at 3, clubs at 4.
    board_.img_ace(1).Picture = Picture::card(s.Deck(1));
    board_.img_ace(2).Picture = Picture::card(s.Deck(2));
    board_.img_ace(3).Picture = Picture::card(s.Deck(4));
    board_.img_ace(4).Picture = Picture::card(s.Deck(3));
    s.FoundationSuit(1) = Spades;
    s.FoundationSuit(2) = Diamonds;
    s.FoundationSuit(3) = Hearts;
    s.FoundationSuit(4) = Clubs;
    for (int k = 1; k <= 4; ++k) {
        s.FoundationTop(k) = 1;
    }
}

void Game::DealOuterCards() {
    auto& s = state_;
    for (int i = kFirstSlot; i <= kLastSlot; ++i) {
        const Int16 card = s.Deck(i);
        board_.img_cards(i).Picture = Picture::card(card);
        s.SlotRank(i) = CardRank(card);
        s.SlotSuit(i) = CardSuit(card);
    }
    s.AwaitingDeal = VbFalse;
    for (int i = 1; i <= 52; ++i) {
        s.DealOrder(i) = s.Deck(i);
    }
}

void Game::ShowBlank(Int16 slot) {
    if (slot >= 5 && slot <= 8) {
        board_.img_cards(slot).Picture = img_blankSpades;
    } else if (slot >= 9 && slot <= 12) {
        board_.img_cards(slot).Picture = img_blankDiamonds;
    } else if (slot >= 13 && slot <= 16) {
        board_.img_cards(slot).Picture = img_blankHearts;
    } else if (slot >= 17 && slot <= 20) {
        board_.img_cards(slot).Picture = img_blankClubs;
    }
}

ClickOutcome Game::img_deck_Click() {
    auto& s = state_;
    if (s.AwaitingDeal == VbTrue) {
        return ClickOutcome::NotDealt;
    }
    if (board_.img_deck.Picture == img_blank) {
        return ClickOutcome::NoPassLeft;
    }
    board_.img_dealt.BorderStyle = 0;
    for (int i = kFirstSlot; i <= kLastSlot; ++i) {
        board_.img_cards(i).BorderStyle = 0;
    }
    s.CardPicked = 0;
    if (s.DeckPos > s.DeckEnd) {
        ReSetDeck();
        // A waste played out to the last card turns over into nothing: the stock is spent
        // at once rather than offering cards that already lie elsewhere on the board.
        board_.img_deck.Picture = s.DeckEnd > 0 ? Picture::card(0) : img_blank;
        board_.img_dealt.Picture = img_blank;
    } else {
        DealCard();
    }
    return ClickOutcome::Done;
}

void Game::DealCard() {
    auto& s = state_;
    const Picture runOutPicture = s.StockRunOut == 0 ? img_click : img_blank;
    s.DeckPos = add16(s.DeckPos, 1);
    const Int16 card = s.Deck(s.DeckPos);
    // The run-out picture is set here, again below and once more in AddToList: the game's own
    // order of steps, kept so that each step can be held against the rules.
    if (s.DeckPos == s.DeckEnd) {
        board_.img_deck.Picture = runOutPicture;
    }
    s.WasteRank = CardRank(card);
    s.WasteSuit = CardSuit(card);
    board_.img_dealt.Picture = Picture::card(card);
    if (s.DeckPos == s.DeckEnd) {
        board_.img_deck.Picture = runOutPicture;
    }
    AddToList(card);
    if (board_.img_deck.Picture == img_click) {
        s.StockRunOut = 1;
    }
}

void Game::AddToList(Int16 card) {
    auto& s = state_;
    s.DealtCount = add16(s.DealtCount, 1);
    s.DealtList.resizePreserve(s.DealtCount);
    s.DealtList(s.DealtCount) = card;
    if (s.DeckPos == s.DeckEnd) {
        // From the run-out on, DeckEnd follows the size of the waste.
        s.DeckEnd = s.DealtList.upperBound();
        if (s.StockRunOut == 0) {
            board_.img_deck.Picture = img_click;
        } else if (s.StockRunOut > 0) {
            board_.img_deck.Picture = img_blank;
        }
    }
}

void Game::ReSetDeck() {
    auto& s = state_;
    const Int16 n = s.DealtCount;
    // The deck is resized inside the loop, as the game does it: an empty waste leaves the old
    // deck in place, and DeckEnd = 0 keeps its cards out of play.
    for (int i = 1; i <= n; ++i) {
        s.Deck.resizePreserve(n);
        s.Deck(i) = s.DealtList(i);
    }
    s.DeckPos = 0;
    s.DeckEnd = n;
    s.DealtCount = 0;
}

void Game::ShowPreviousCard() {
    auto& s = state_;
    s.DealtCount = sub16(s.DealtCount, 1);
    if (s.DealtCount == 0) {
        board_.img_dealt.Picture = img_blank;
    }
    if (s.DealtCount > 0) {
        const Int16 card = s.DealtList(s.DealtCount);
        s.WasteRank = CardRank(card);
        s.WasteSuit = CardSuit(card);
        board_.img_dealt.Picture = Picture::card(card);
        s.DealtList.resizePreserve(s.DealtCount);
    }
    if (board_.img_deck.Picture == img_blank || board_.img_deck.Picture == img_click) {
        s.DeckEnd = s.DealtCount;
    }
}

ClickOutcome Game::img_dealt_Click() {
    auto& s = state_;
    for (int i = kFirstSlot; i <= kLastSlot; ++i) {
        if (board_.img_cards(i).BorderStyle == 1) {
            return ClickOutcome::OtherPicked;
        }
    }
    if (board_.img_dealt.Picture == img_blank) {
        return ClickOutcome::WasteEmpty;
    }
    if (board_.img_dealt.BorderStyle == 0) {
        board_.img_dealt.BorderStyle = 1;
        s.CardPicked = 1;
    } else if (board_.img_dealt.BorderStyle == 1) {
        board_.img_dealt.BorderStyle = 0;
        s.CardPicked = 0;
    }
    return ClickOutcome::Done;
}

ClickOutcome Game::img_cards_Click(Int16 Index) {
    auto& s = state_;
    Place& slot = board_.img_cards(Index);
    const int group = (Index - kFirstSlot) / 4 + 1;

    if (slot.Picture.isEmptySlotMark()) {
        if (s.CardPicked == 0 || slot.BorderStyle != 0) {
            return ClickOutcome::NothingPicked;
        }
        const Int16 suit = s.FoundationSuit(group);
        // The waste is tried before the tableau.
        if (board_.img_dealt.BorderStyle == 1 && s.WasteSuit == suit) {
            board_.img_dealt.BorderStyle = 0;
            s.SlotRank(Index) = s.WasteRank;
            s.SlotSuit(Index) = s.WasteSuit;
            s.CardPicked = 0;
            slot.Picture = board_.img_dealt.Picture;
            ShowPreviousCard();
            return ClickOutcome::Done;
        }
        for (Int16 j = kFirstSlot; j <= kLastSlot; ++j) {
            Place& source = board_.img_cards(j);
            if (source.BorderStyle == 1 && s.SlotSuit(j) == suit) {
                source.BorderStyle = 0;
                slot.Picture = source.Picture;
                ShowBlank(j);
                s.SlotRank(Index) = s.SlotRank(j);
                s.SlotSuit(Index) = s.SlotSuit(j);
                s.CardPicked = 0;
                return ClickOutcome::Done;
            }
        }
        return ClickOutcome::WrongSuit;
    }

    if (slot.BorderStyle == 1) {
        slot.BorderStyle = 0;
        s.CardPicked = 0;
    } else if (s.CardPicked == 0) {
        slot.BorderStyle = 1;
        s.CardPicked = 1;
    } else {
        return ClickOutcome::OtherPicked;
    }
    return ClickOutcome::Done;
}

ClickOutcome Game::img_ace_Click(Int16 Index) {
    auto& s = state_;
    Place& foundation = board_.img_ace(Index);
    const bool picked = s.CardPicked == 1;
    // Why a picked card stays where it is: the suit is told before the rank.
    ClickOutcome outcome = picked ? ClickOutcome::WrongRank : ClickOutcome::NothingPicked;
    auto offer = [&](Int16 rank, Int16 suit) {
        if (suit != s.FoundationSuit(Index)) {
            outcome = ClickOutcome::WrongSuit;
        }
        return rank == add16(s.FoundationTop(Index), 1) && suit == s.FoundationSuit(Index);
    };
    // No break after a move: the game looks at every slot, and only one can hold the frame.
    for (Int16 j = kFirstSlot; j <= kLastSlot; ++j) {
        Place& source = board_.img_cards(j);
        if (source.BorderStyle == 1 && offer(s.SlotRank(j), s.SlotSuit(j))) {
            s.FoundationTop(Index) = s.SlotRank(j);
            foundation.Picture = source.Picture;
            ShowBlank(j);
            source.BorderStyle = 0;
            s.CardPicked = 0;
            outcome = ClickOutcome::Done;
        }
    }
    if (board_.img_dealt.BorderStyle == 1 && offer(s.WasteRank, s.WasteSuit)) {
        s.FoundationTop(Index) = s.WasteRank;
        foundation.Picture = board_.img_dealt.Picture;
        board_.img_dealt.BorderStyle = 0;
        s.CardPicked = 0;
        ShowPreviousCard();
        outcome = ClickOutcome::Done;
    }
    // A click that opens the win dialog (again, after a win) did something the player hears.
    return GameWin() ? ClickOutcome::Done : outcome;
}

bool Game::GameWin() {
    int complete = 0;
    for (int k = 1; k <= 4; ++k) {
        if (state_.FoundationTop(k) == 13) {
            ++complete;
        }
    }
    if (complete == 4) {
        state_.AwaitingDeal = VbTrue;
        if (winHandler_) {
            winHandler_();
        }
        return true;
    }
    return false;
}

void Game::RestoreGame(const SavedPosition& saved) {
    auto& s = state_;
    const Int16 helpTopic = s.HelpTopic;
    s = GameState{};
    s.HelpTopic = helpTopic;
    board_ = BoardModel{};
    // The deal as InitNewGame and DealOuterCards lay it, the saved order in place of a shuffle.
    board_.img_deck.Picture = Picture::card(0);
    board_.img_dealt.Picture = img_blank;
    const auto append = [&s](Int16 card) {
        s.Deck.resizePreserve(s.Deck.size() + 1);
        s.Deck(s.Deck.size()) = card;
    };
    for (const Int16 card : saved.deal) {
        append(card);
    }
    DealAces();
    DealOuterCards();

    for (Int16 k = 1; k <= 4; ++k) {
        const Int16 top = saved.foundations.at(static_cast<std::size_t>(k - 1));
        s.FoundationTop(k) = CardRank(top);
        board_.img_ace(k).Picture = Picture::card(top);
    }
    for (Int16 i = kFirstSlot; i <= kLastSlot; ++i) {
        const Int16 card = saved.slots.at(static_cast<std::size_t>(i - kFirstSlot));
        if (card == 0) {
            ShowBlank(i);
        } else {
            board_.img_cards(i).Picture = Picture::card(card);
            s.SlotRank(i) = CardRank(card);
            s.SlotSuit(i) = CardSuit(card);
        }
    }

    // The stock and the waste come from the rules' own turns of a pass that holds the waste's
    // cards, then the stock's. The first pass runs through the whole deck, the cards already
    // gone from it first, so that it runs out at position 52 as in play.
    const bool firstPass = saved.passes == 0 || (saved.passes == 1 && saved.stock.empty());
    s.Deck.resizePreserve(0);
    if (firstPass) {
        for (const Int16 card : saved.deal) {
            if (std::find(saved.waste.begin(), saved.waste.end(), card) == saved.waste.end() &&
                std::find(saved.stock.begin(), saved.stock.end(), card) == saved.stock.end()) {
                append(card);
            }
        }
    }
    const int gone = s.Deck.size();
    for (const Int16 card : saved.waste) {
        append(card);
    }
    for (const Int16 card : saved.stock) {
        append(card);
    }
    s.DeckPos = toInt16(gone);
    s.DeckEnd = s.Deck.size();
    s.StockRunOut = firstPass ? 0 : 1;
    for (std::size_t n = 0; n < saved.waste.size(); ++n) {
        DealCard();
    }
    if (saved.waste.empty() && saved.stock.empty()) {
        // Nothing to turn: the stock shows what the last turn of its pass left.
        board_.img_deck.Picture = saved.passes == 1 ? img_click : img_blank;
        s.StockRunOut = 1;
        s.DeckEnd = 0;
    }

    // Four complete foundations are a won game: the stock stays closed until the next Deal.
    const bool won = std::all_of(saved.foundations.begin(), saved.foundations.end(),
                                 [](Int16 top) { return CardRank(top) == 13; });
    s.AwaitingDeal = won ? VbTrue : VbFalse;
}

} // namespace veltrane
