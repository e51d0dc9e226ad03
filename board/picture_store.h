#pragma once
// The board's picture store: every picture a place can show, compiled into the program as
// resources. Each file is decoded once, the first time a place needs it, so the board opens
// quickly; high-resolution screens get the double-size drawing so the cards stay crisp.

#include "game/board_model.h"

#include <QPixmap>
#include <array>

namespace veltrane::board {

class PictureStore {
  public:
    // The picture as drawn for a screen of the given device pixel ratio; a null pixmap for
    // Picture::None. A picture that cannot be read is the run-time error "Invalid picture".
    const QPixmap& pixmap(Picture picture, qreal devicePixelRatio);

    // The size the picture takes on the board, known without decoding it, so that the board
    // can lay out its places while it loads and decode only what it paints.
    QSize size(Picture picture, qreal devicePixelRatio);

  private:
    static constexpr std::size_t kCount = Picture::BlankClubs + 1;
    std::array<QPixmap, kCount> single_;
    std::array<QPixmap, kCount> twice_;
    std::array<QSize, kCount> singleSize_;
    std::array<QSize, kCount> twiceSize_;
};

} // namespace veltrane::board
