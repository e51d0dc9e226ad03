#pragma once
// Every window of the game is prepared from its description in one place: the flags of its
// frame kind, the background of its client area, its icon, its fixed size and its centred
// place on the screen.

#include "platform/window_sizing.h"

class QWidget;

namespace veltrane::platform {

enum class Background { Plain, White };

// A tool window gets a title bar with a close button only, and no icon; the board's fixed
// single frame gets the minimise button too, and the red diamond. A white background fills
// the client area (a main window's central widget). Then the sizing rule gives the window its
// size and centres it. Call it while the window loads, before it is first shown.
void PrepareWindow(QWidget* window, const WindowSpec& shape, Background background);

} // namespace veltrane::platform
