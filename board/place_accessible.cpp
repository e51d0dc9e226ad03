#include "board/place_accessible.h"

#include "board/board_place.h"
#include "platform/accessibility.h"

namespace veltrane::board {

void MakePlaceAccessible(BoardPlace* place, bool selectable) {
    platform::PressBehaviour behaviour;
    behaviour.role = QAccessible::Button;
    // The same signal the mouse's click sends, so the same handler runs in the same guard.
    behaviour.press = [place] { emit place->clicked(); };
    if (selectable) {
        behaviour.selected = [place] { return place->framed(); };
    }
    platform::MakePressable(place, std::move(behaviour));
}

} // namespace veltrane::board
