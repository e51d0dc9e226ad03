#pragma once
// The board window: the 22 places, the picture store behind them and the menu bar. The rules
// decide everything; after every click the window redraws all places from the board model.
//
// From the keyboard: Tab and Shift+Tab go through the places in reading order (foundations,
// slots, stock, waste, as a screen reader names them), the arrow keys to the next place in
// their direction on the board's grid, and Space or Return click the focused place. The focus
// frame shows from the first of these keys until the next mouse click on the board. After a
// click the clicked place tells a screen reader what changed, or why nothing did.

#include "board/board_place.h"
#include "board/picture_store.h"
#include "game/game.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <vector>

class QAction;
class QMenu;

class frm_board : public QMainWindow {
    Q_OBJECT
  public:
    explicit frm_board(veltrane::Game& game, QWidget* parent = nullptr);

    // The load steps: size and centre, lay out the places, start the first game. Does not show.
    void Form_Load();

    // Redraws every place from the board model. The win handler calls it before it opens
    // its dialog, so the winning card lies on its foundation behind the dialog.
    void Refresh();

    void img_cards_Click(veltrane::Int16 Index);
    void img_ace_Click(veltrane::Int16 Index);
    void img_deck_Click();
    void img_dealt_Click();
    void mnu_deal_Click();
    void mnu_exit_Click();
    void mnu_rules_Click();
    void mnu_about_Click();

    // The places, for the window's own tests and for assistive technology.
    veltrane::board::BoardPlace* img_cards(veltrane::Int16 Index) const;
    veltrane::board::BoardPlace* img_ace(veltrane::Int16 Index) const;
    veltrane::board::BoardPlace* img_deck() const { return img_deck_; }
    veltrane::board::BoardPlace* img_dealt() const { return img_dealt_; }

    // Whether the focus frame is shown (the player is on the keyboard).
    bool focusFrameShown() const { return focusFrameShown_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createMenus();
    void createPlaces();
    void describePlaces();
    // What the place at `index` in reading order shows, as a screen reader says it.
    QString description(std::size_t index) const;
    // Runs the rules' click on a place, redraws, and tells the place's news.
    void play(veltrane::board::BoardPlace* place,
              const std::function<veltrane::ClickOutcome()>& click);
    // The card that carries the selection frame, by name; empty when none does.
    QString pickedCard() const;
    // What a screen reader says after the click on the place at `index`: what changed, or why
    // nothing did.
    QString news(std::size_t index, veltrane::ClickOutcome outcome, const QString& pickedBefore,
                 veltrane::Picture wasteBefore) const;
    void showFocusFrame(bool shown);
    // The place the focus goes to from `from` for an arrow key; `from` itself at the edge.
    veltrane::board::BoardPlace* nextInDirection(veltrane::board::BoardPlace* from, int key) const;
    // Where the focus starts when the board is shown and after every deal.
    void focusFirstCard();

    veltrane::Game& game_;
    veltrane::board::PictureStore store_;
    std::array<veltrane::board::BoardPlace*, 4> img_ace_{};
    std::array<veltrane::board::BoardPlace*, 16> img_cards_{};
    veltrane::board::BoardPlace* img_deck_ = nullptr;
    veltrane::board::BoardPlace* img_dealt_ = nullptr;
    // The places in reading order: foundations 1 to 4, slots 5 to 20, the stock, the waste.
    std::vector<veltrane::board::BoardPlace*> order_;
    bool focusFrameShown_ = false;
    // The place the focus came to while the current event is handled, if any: a screen reader
    // announces it with what it shows once the event is over, so a change of what it shows
    // made in the same event is not told again.
    QPointer<veltrane::board::BoardPlace> focusJustArrived_;
    // The place whose click is being handled: its news is told whole once the click is over.
    QPointer<veltrane::board::BoardPlace> clicked_;
    QMenu* mnu_file = nullptr;
    QAction* mnu_deal = nullptr;
    QAction* mnu_sep_1 = nullptr;
    QAction* mnu_exit = nullptr;
    QMenu* mnu_help = nullptr;
    QAction* mnu_rules = nullptr;
    QAction* mnu_sep2 = nullptr;
    QAction* mnu_about = nullptr;
};
