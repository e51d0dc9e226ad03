#pragma once
// One place of the board: it shows a stored picture at its own size, draws the thin selection
// frame of the picked card, and turns a left-button press and release inside it into one
// click. It takes no other mouse or key input, and the second click of a double click is
// swallowed so that it never reaches the rules.

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

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    PictureStore& store_;
    Picture picture_;
    bool framed_ = false;
    bool pressed_ = false;
};

} // namespace veltrane::board
