#pragma once
// Every window of the game is prepared from its description in one place: the flags of its
// frame kind, the background of its client area, its icon, its fixed size and its centred
// place on the screen; and a modal window is tied to the window it blocks.

#include "platform/window_sizing.h"

class QWidget;

namespace veltrane::platform {

enum class Background { Plain, White };

// A tool window gets a title bar with a close button only, and no icon; the board's fixed
// single frame gets the minimise button too, and the red diamond. A white background fills
// the client area (a main window's central widget). Then the sizing rule gives the window its
// size and centres it. On X the window's frame hints offer neither resizing nor maximising,
// as its fixed size says. Call it while the window loads, before it is first shown.
void PrepareWindow(QWidget* window, const WindowSpec& shape, Background background);

// For a window sized by its own content (the message box): on X its frame hints offer moving
// and closing only, as its fixed size says. Call it once its size is fixed, before it is shown.
void OfferNoResize(QWidget* window);

// Makes the modal window belong to the window it blocks (WM_TRANSIENT_FOR on X, the toplevel's
// parent on Wayland), so that window managers and compositors stack, move, minimise and
// restore the two together, and never leave the blocked window on its own with the modal one
// out of reach. The window keeps its own frame kind and its own place on the screen. No owner
// leaves the window on its own. Call it before the window is shown.
void SetOwner(QWidget* window, QWidget* owner);

// The window a modal window opened now would block: the modal window on top if one is shown,
// else the active window, else the program's one visible window. Nothing when none is shown
// (a message before the first window).
QWidget* BlockedWindow();

} // namespace veltrane::platform
