#pragma once
// A board place as an assistive technology sees it: a push button named where it lies, whose
// Press is the player's click on it, and which is selected while it carries the frame.

namespace veltrane::board {

class BoardPlace;

// selectable: the place can carry the selection frame (a tableau slot or the waste).
void MakePlaceAccessible(BoardPlace* place, bool selectable);

} // namespace veltrane::board
