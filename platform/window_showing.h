#pragma once
// Showing a top-level window so that it reaches the screen.

class QWidget;

namespace veltrane::platform {

// How long a shown window may stay off the screen before it is shown again.
inline constexpr int kShowAgainAfterMs = 5000;

// Shows the window. On X, a window manager that is itself still starting can lose the request
// to map a window, which then never appears while the program waits in its event loop; so a
// window that is meant to be visible but has not been exposed after kShowAgainAfterMs is hidden
// and shown again, which asks the window manager afresh (at most three times). Elsewhere the
// compositor alone decides when a window is exposed, and nothing is asked again.
void ShowWindow(QWidget* window);

} // namespace veltrane::platform
