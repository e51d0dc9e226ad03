#pragma once
// A modal window (Help, the win dialog) blocks every other window of the game until it closes,
// so it must never be out of the player's reach: window managers that offer a minimise button
// on it anyway get it back at once, and activating a blocked window (a click on the board)
// brings the modal window back to the front.

class QWidget;

namespace veltrane::platform {

// Keeps the window in reach for as long as it lives. Call it before the window is shown.
void KeepModalWindowInReach(QWidget* window);

} // namespace veltrane::platform
