#pragma once
// One place of the board: it shows a stored picture at its own size, draws the thin selection
// frame of the picked card, and turns a left-button press and release inside it into one
// click. The second click of a double click is swallowed so that it never reaches the rules.
//
// A place also takes the keyboard focus, for players without a pointer: Space or Return on
// the focused place is the same click. Where the focus is shows as a focus frame only while
// the board says so (once the player has used the keyboard on it), so that a board played by
// mouse draws exactly as it always has.

#include "game/board_model.h"

#include <QPixmap>
#include <QWidget>

namespace veltrane::board {

class PictureStore;

class BoardPlace : public QWidget {
    Q_OBJECT
  public:
    BoardPlace(PictureStore& store, QWidget* parent);

    // Shows a stored picture; the place takes the picture's size. With no picture it keeps
    // its size and lets the board's background show through, and still takes clicks.
    void setPicture(Picture picture);
    Picture picture() const { return picture_; }
    void setFramed(bool framed);
    bool framed() const { return framed_; }
    // Whether the place draws the focus frame while it has the keyboard focus.
    void setFocusFrameShown(bool shown);
    bool focusFrameShown() const { return focusFrameShown_; }
    // True while the focus frame is drawn: the place has the focus and the frame is shown.
    bool focusFrameDrawn() const;

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    PictureStore& store_;
    Picture picture_;
    bool framed_ = false;
    bool focusFrameShown_ = false;
    bool pressed_ = false;
};

} // namespace veltrane::board
