#pragma once
// The board window: the 22 places, the picture store behind them and the menu bar. The rules
// decide everything; after every click the window redraws all places from the board model.
//
// From the keyboard: Tab and Shift+Tab go through the places in reading order (foundations,
// slots, stock, waste, as a screen reader names them), the arrow keys to the nearest place in
// their direction, and Space or Return click the focused place. The focus frame shows from the
// first of these keys until the next mouse click on the board.

#include "board/board_place.h"
#include "board/picture_store.h"
#include "game/game.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
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
    QMenu* mnu_file = nullptr;
    QAction* mnu_deal = nullptr;
    QAction* mnu_sep_1 = nullptr;
    QAction* mnu_exit = nullptr;
    QMenu* mnu_help = nullptr;
    QAction* mnu_rules = nullptr;
    QAction* mnu_sep2 = nullptr;
    QAction* mnu_about = nullptr;
};
