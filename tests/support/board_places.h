#pragma once
// The board's places as the window tests reach them.

#include "board/frm_board.h"
#include "game/click.h"

#include <vector>

namespace veltrane::test_support {

// All 22 places in the order a screen reader walks them: foundations 1 to 4, slots 5 to 20,
// the stock, the waste.
inline std::vector<board::BoardPlace*> AllPlaces(const frm_board& board) {
    std::vector<board::BoardPlace*> places;
    for (Int16 i = 1; i <= 4; ++i) {
        places.push_back(board.img_ace(i));
    }
    for (Int16 i = 5; i <= 20; ++i) {
        places.push_back(board.img_cards(i));
    }
    places.push_back(board.img_deck());
    places.push_back(board.img_dealt());
    return places;
}

// The place a click lands on.
inline board::BoardPlace* PlaceOf(const frm_board& board, Click click) {
    switch (click.place) {
    case Click::Stock:
        return board.img_deck();
    case Click::Waste:
        return board.img_dealt();
    case Click::Slot:
        return board.img_cards(toInt16(click.index));
    case Click::Foundation:
        return board.img_ace(toInt16(click.index));
    }
    return nullptr;
}

} // namespace veltrane::test_support
