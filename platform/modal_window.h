#pragma once
// A modal window (Help, the win dialog, a message box) blocks every other window of the game
// until it closes, so the player must always find it. Window managers and compositors keep it
// with the window it blocks through the transient relation (X) or the toplevel's parent
// (Wayland), and minimise, move and restore the two together; the game leaves all of that
// alone. Where one parts them (metacity minimises Help alone, icewm moves it alone to another
// workspace), the blocked window is all the player sees: when it is activated (clicked, picked
// from the task list) while its modal window is out of reach, the modal window comes back onto
// its workspace, restored and in front. On Wayland the game cannot restore a window: a blocked
// window handed the focus after its modal window was minimised is minimised too.

class QWidget;

namespace veltrane::platform {

// Keeps the modal window in reach of the window it blocks, for as long as both live. Call it
// before the modal window is shown.
void KeepModalWindowInReach(QWidget* window, QWidget* blocked);

} // namespace veltrane::platform
