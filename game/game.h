#pragma once
// The rules of Veltrane Solitaire as operations on the game state and the board model.
// Names and the order of steps follow the rules as written, so code and rules read side by side.

#include "board_model.h"
#include "game_state.h"
#include "random_source.h"

#include <cstdint>
#include <functional>

namespace veltrane {

struct SavedPosition;

// What a click did: Done when the rules changed anything, otherwise why they changed nothing.
// The rules decide it; whatever tells the player (the board's screen-reader words) only says it.
enum class ClickOutcome : std::uint8_t {
    Done,
    NotDealt,      // the stock waits for the next Deal: before the first one, or after a win
    NoPassLeft,    // the stock has been run through twice
    WasteEmpty,    // nothing on the waste to pick
    NothingPicked, // a slot or foundation clicked with no card picked
    OtherPicked,   // another card is picked, and stays so
    WrongSuit,     // the picked card is not of the slot group's or the foundation's suit
    WrongRank,     // the foundation's suit, but not the rank above its top card
};

class Game {
  public:
    // The win handler opens the win dialog; it returns when the dialog has closed.
    explicit Game(RandomSource& random, std::function<void()> winHandler = {});

    GameState& state() { return state_; }
    const GameState& state() const { return state_; }
    BoardModel& board() { return board_; }
    const BoardModel& board() const { return board_; }
    void setWinHandler(std::function<void()> handler) { winHandler_ = std::move(handler); }
    void setRandomSource(RandomSource& random) { random_ = &random; }

    // Cards, deck and shuffle
    void ShuffleDeck();

    // New game and opening deal
    void InitNewGame();
    void DealAces();
    void DealOuterCards();
    void ShowBlank(Int16 slot);

    // Stock and waste
    ClickOutcome img_deck_Click();
    void DealCard();
    void AddToList(Int16 card);
    void ReSetDeck();
    void ShowPreviousCard();
    ClickOutcome img_dealt_Click();

    // Tableau
    ClickOutcome img_cards_Click(Int16 Index);

    // Foundations and winning
    ClickOutcome img_ace_Click(Int16 Index);
    // True when the game is won (and the win dialog has been shown).
    bool GameWin();

    // A saved game (saved_game.h), checked before: its deal as Deal lays it, then every place
    // as play left it, with nothing picked.
    void RestoreGame(const SavedPosition& saved);

  private:
    RandomSource* random_;
    std::function<void()> winHandler_;
    GameState state_;
    BoardModel board_;
};

} // namespace veltrane
