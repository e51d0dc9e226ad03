#pragma once
// The keyboard's click, the one rule every clickable thing of the game shares.

class QKeyEvent;

namespace veltrane::platform {

// Space, Return or Enter with no modifier (the keypad's aside) and not the repeat of a key held
// down: a click on what has the focus. A key held down is one click, as a mouse button is.
bool IsKeyClick(const QKeyEvent& key);

} // namespace veltrane::platform
