#pragma once
// The rules of Veltrane Solitaire as operations on the game state and the board model.
// Names and the order of steps follow the rules as written, so code and rules read side by side.

#include "board_model.h"
#include "game_state.h"
#include "random_source.h"

#include <functional>

namespace veltrane {

struct SavedPosition;

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
    void img_deck_Click();
    void DealCard();
    void AddToList(Int16 card);
    void ReSetDeck();
    void ShowPreviousCard();
    void img_dealt_Click();

    // Tableau
    void img_cards_Click(Int16 Index);

    // Foundations and winning
    void img_ace_Click(Int16 Index);
    void GameWin();

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
